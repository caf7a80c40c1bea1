// The appender of answers: nothing opened before the first answer, a header in
// a new file, rows of several runs in one day file, a cut file mended, and
// every way the folder can refuse: said once, the caller goes on.
#include "results/resultslog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#include "../support/files.h"

using namespace tildora;
using testing::readFile;
using testing::writeFile;

namespace {

const QByteArray Header = "hora,alumno,archivo,palabra,modo,posicion,letra,resultado,aciertos,fallos\n";
const QDate Day(2026, 12, 6);

ResultRow answer(const QString &word, int right, const QDate &day = Day)
{
    return {QDateTime(day, QTime(10, 0, right)), QStringLiteral("Ana"), QStringLiteral("01.txt"), word,
            QStringLiteral("vocal"), 2, QStringLiteral("a"), QStringLiteral("bien"), right, 0};
}

} // namespace

class TestResultsLog : public QObject
{
    Q_OBJECT
private slots:
    void opensNothingBeforeTheFirstAnswer();
    void appendsToTheDayFile_data();
    void appendsToTheDayFile();
    void newDayNewFile();
    void refusingFolders_data();
    void refusingFolders();
};

void TestResultsLog::opensNothingBeforeTheFirstAnswer()
{
    QTemporaryDir home;
    const QString folder = home.filePath("tildora/resultados");
    ResultsLog log(folder);
    QVERIFY(!QFileInfo::exists(home.filePath("tildora")));
    QVERIFY(log.append(answer("casa", 1)));
    // Each row is in the file as soon as append returns, while the log is open.
    QCOMPARE(readFile(folder + "/2026-12-06.csv"), Header + formatResultRow(answer("casa", 1)));
}

void TestResultsLog::appendsToTheDayFile_data()
{
    QTest::addColumn<QByteArray>("before");  // "(none)": no file yet
    QTest::addColumn<QByteArray>("mend");    // written between what was there and the new rows
    QTest::addColumn<int>("wholeBefore");    // rows a reader finds in what was there
    const QByteArray earlier = Header + formatResultRow(answer("sol", 1));
    QTest::newRow("new file gets the header") << QByteArray("(none)") << Header << 0;
    QTest::newRow("rows of an earlier run are kept") << earlier << QByteArray() << 1;
    QTest::newRow("row cut inside quotes") << earlier + "2026-12-06T10:00:02,\"Ana, la" << QByteArray("\",\n") << 1;
}

void TestResultsLog::appendsToTheDayFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, mend);
    QFETCH(int, wholeBefore);
    QTemporaryDir dir;
    const QString path = dir.filePath("2026-12-06.csv");
    if (before != "(none)")
        writeFile(path, before);
    else
        before.clear();
    {
        ResultsLog log(dir.path());
        QVERIFY(log.append(answer("casa", 2)));
        QVERIFY(log.append(answer("luz", 3)));
        QVERIFY(!log.problemSaid());
    }
    const QByteArray rows = formatResultRow(answer("casa", 2)) + formatResultRow(answer("luz", 3));
    const QByteArray after = readFile(path);
    QCOMPARE(after, before + mend + rows);
    // A reader finds the whole rows of before and the two new ones, never the cut one.
    const QList<ResultRow> read = parseResults(after);
    QCOMPARE(read.size(), wholeBefore + 2);
    QCOMPARE(read.mid(wholeBefore), QList<ResultRow>({answer("casa", 2), answer("luz", 3)}));
}

void TestResultsLog::newDayNewFile()
{
    QTemporaryDir dir;
    ResultsLog log(dir.path());
    QVERIFY(log.append(answer("casa", 1)));
    QVERIFY(log.append(answer("sol", 2, Day.addDays(1))));
    QCOMPARE(readFile(dir.filePath("2026-12-06.csv")), Header + formatResultRow(answer("casa", 1)));
    QCOMPARE(readFile(dir.filePath("2026-12-07.csv")), Header + formatResultRow(answer("sol", 2, Day.addDays(1))));
}

void TestResultsLog::refusingFolders_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("a file where the folder should be") << "file-for-folder";
    QTest::newRow("a folder where the day file should be") << "folder-for-file";
    QTest::newRow("a device where the day file should be") << "device";
    QTest::newRow("a disk that fills up") << "full-disk";
    QTest::newRow("a read-only folder") << "read-only";
}

void TestResultsLog::refusingFolders()
{
    QFETCH(QString, how);
    QTemporaryDir home;
    const QString folder = home.filePath("resultados");
    if (how == "file-for-folder") {
        writeFile(folder, "not a folder");
    } else if (how == "folder-for-file") {
        QVERIFY(QDir().mkpath(folder + "/2026-12-06.csv"));
    } else if (how == "device") {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::link("/dev/null", folder + "/2026-12-06.csv"));
    } else if (how == "full-disk") {
        QVERIFY(QDir().mkpath(folder));
        writeFile(folder + "/2026-12-06.csv", Header + formatResultRow(answer("sol", 0)));
    } else {
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const QStringList before = QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    // A full disk: no file may grow past a few bytes more than it has.
    rlimit limit{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit unlimited = limit;
    if (how == "full-disk") {
        std::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = rlim_t(QFileInfo(folder + "/2026-12-06.csv").size() + 10);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
    }

    ResultsLog log(folder);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^tildora: answers are not kept in .*resultados"));
    QTest::failOnWarning(QRegularExpression("answers are not kept"));  // a second time would fail
    for (int i = 1; i <= 3; ++i)
        QVERIFY(!log.append(answer("casa", i)));
    setrlimit(RLIMIT_FSIZE, &unlimited);
    QVERIFY(log.problemSaid());
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    if (how == "full-disk")  // what was kept before the disk filled is still read
        QCOMPARE(parseResults(readFile(folder + "/2026-12-06.csv")), QList<ResultRow>{answer("sol", 0)});
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QTEST_GUILESS_MAIN(TestResultsLog)
#include "tst_resultslog.moc"
