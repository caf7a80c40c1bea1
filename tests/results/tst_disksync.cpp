// Rows forced onto the disk from a thread of their own: every row still
// arrives, waiting for the disk ends, and no descriptor is left behind when
// the day changes or the log goes away.
#include "results/resultslog.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tildora;

namespace {

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

ResultRow answer(const QDate &day, int right)
{
    return {QDateTime(day, QTime(10, 0, right % 60)), {}, QStringLiteral("01.txt"), QStringLiteral("casa"),
            QStringLiteral("vocal"), 2, QStringLiteral("a"), QStringLiteral("bien"), right, 0};
}

} // namespace

class TestDiskSync : public QObject
{
    Q_OBJECT
private slots:
    void rowsReachDiskAndNothingLeaks_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("rowsPerDay");
        QTest::newRow("one row") << 1 << 1;
        QTest::newRow("many rows in one day") << 1 << 200;
        QTest::newRow("the day changes twice") << 3 << 5;
    }
    void rowsReachDiskAndNothingLeaks()
    {
        QFETCH(int, days);
        QFETCH(int, rowsPerDay);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("resultados"));
        const int before = openDescriptors();
        {
            ResultsLog log(folder);
            for (int d = 0; d < days; ++d) {
                for (int r = 0; r < rowsPerDay; ++r)
                    QVERIFY(log.append(answer(QDate(2026, 12, 6 + d), r)));
            }
            log.waitForDisk();
            // The open day file and the syncing thread's copy of it; the
            // copies of earlier days' files are closed once synced.
            QCOMPARE(openDescriptors(), before + 2);
        }
        QCOMPARE(openDescriptors(), before);
        QCOMPARE(readResultsFolder(folder).size(), days * rowsPerDay);
    }
};

QTEST_GUILESS_MAIN(TestDiskSync)
#include "tst_disksync.moc"
