// The Results tab: answers per child and day, words most missed first,
// and broken rows skipped.
#include "resultspanel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include "../support/files.h"

using namespace tildora;
using testing::writeFile;

namespace {

QStringList rowsOf(const QTreeWidget *table)
{
    QStringList rows;
    for (int i = 0; i < table->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 1; c < table->columnCount(); ++c)
            cells << table->topLevelItem(i)->text(c);
        rows << table->topLevelItem(i)->text(0) + ": " + cells.join(' ');
    }
    return rows;
}

const QByteArray Header = "hora,alumno,archivo,palabra,modo,posicion,letra,resultado,aciertos,fallos\n";

} // namespace

class TestResultsPanel : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_results = m_dir->filePath("resultados");
        m_teacher = m_dir->filePath("ejercicios");
        m_bundled = m_dir->filePath("programa");
        writeFile(m_bundled + "/01-mezcla.txt", "arbol,1,ar,á,\r\ncasa,2,ca,NO,\r\nraton,4,ton,ó,\r\n");
        writeFile(m_results + "/2026-12-05.csv",
                  Header + "2026-12-05T09:00:00,Ana,01-mezcla.txt,casa,silaba,2,a,bien,1,0\n");
        writeFile(m_results + "/2026-12-06.csv",
                  Header + "2026-12-06T10:00:00,Ana,01-mezcla.txt,arbol,tilde,1,a,mal,0,1\n"
                           "2026-12-06T10:00:05,Ana,01-mezcla.txt,arbol,tilde,1,á,bien,1,1\n"
                           "2026-12-06T10:01:00,Teo,01-mezcla.txt,raton,vocal,2,a,mal,0,1\n"
                           "not,a,row\n"
                           "2026-12-06T10:01:09,Teo,01-mezcla.txt,arbol,tilde,,sin-tilde,mal,0,2\n");
    }

    void summaries_data()
    {
        QTest::addColumn<QString>("child");  // empty: all children
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("all children, newest day first, broken row skipped")
            << QString() << QStringList{"Ana 2 1 50", "Teo 2 0 0", "Ana 1 1 100"}
            << QStringList{"arbol: 3 2", "raton: 1 1", "casa: 1 0"};
        QTest::newRow("one child") << "Teo" << QStringList{"Teo 2 0 0"} << QStringList{"arbol: 1 1", "raton: 1 1"};
    }

    void summaries()
    {
        QFETCH(QString, child);
        QFETCH(QStringList, days);
        QFETCH(QStringList, words);
        ResultsPanel panel(m_results, {m_teacher, m_bundled});
        panel.reload();
        if (!child.isEmpty())
            panel.childFilter()->setCurrentIndex(panel.childFilter()->findData(child));
        QStringList shownDays = rowsOf(panel.days());
        for (QString &row : shownDays)
            row = row.section(": ", 1);  // the day as the locale writes it
        QCOMPARE(shownDays, days);
        QCOMPARE(rowsOf(panel.words()), words);
    }

    void noAnswersYet()
    {
        ResultsPanel panel(m_dir->filePath("nada"), {m_teacher});
        panel.reload();
        QCOMPARE(panel.days()->topLevelItemCount(), 0);
        QVERIFY2(panel.notice()->text().startsWith("No answers kept yet"), qPrintable(panel.notice()->text()));
        QVERIFY(panel.newListFromMissedWords().isEmpty());
        QVERIFY(!QFileInfo::exists(m_teacher));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_results, m_teacher, m_bundled;
};

QTEST_MAIN(TestResultsPanel)
#include "tst_resultspanel.moc"
