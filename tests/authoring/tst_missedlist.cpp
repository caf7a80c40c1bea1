// A new exercise list from the words children missed: finding the lines the
// words were shown with, choosing and spelling the words, and saving the list
// without ever overwriting another.
#include "authoring/missedlist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include "../support/files.h"

using namespace tildora;
using testing::readFile;
using testing::writeFile;

namespace {

ResultRow answer(const QString &file, const QString &word)
{
    ResultRow row;
    row.exerciseFile = file;
    row.word = word;
    return row;
}

} // namespace

class TestMissedList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString teacher = m_dir.filePath("maestra"), bundled = m_dir.filePath("programa");
        writeFile(teacher + "/01-mias.txt", "raton,4,ton,ó,\r\ncasa,2,ca,NO,\r\n");
        // The same word shown with another line in a bundled list.
        writeFile(bundled + "/01-agudas.txt", "raton,4,ton,ó,\r\ncamion,5,mion,ó,\r\n");
        writeFile(bundled + "/02-llanas.txt", QByteArray("arbol,1,ar,\xe1,\r\ncasa,4,sa,NO,\r\nroto\r\n"));
        m_folders = {teacher, bundled};
    }

    void linesOfAnsweredWords_data()
    {
        QTest::addColumn<QList<ResultRow>>("rows");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("expectedLine");  // empty: not found
        QTest::newRow("from the list the answer names")
            << QList<ResultRow>{answer("02-llanas.txt", "casa")} << "casa" << "casa,4,sa,NO,";
        QTest::newRow("a list since deleted: found in another")
            << QList<ResultRow>{answer("09-borrada.txt", "camion")} << "camion" << "camion,5,mion,ó,";
        QTest::newRow("a name leaving the folder is not followed")
            << QList<ResultRow>{answer("../programa/02-llanas.txt", "casa")} << "casa" << "casa,2,ca,NO,";
        QTest::newRow("a line cut short is not taken") << QList<ResultRow>{} << "roto" << "";
    }

    void linesOfAnsweredWords()
    {
        QFETCH(QList<ResultRow>, rows);
        QFETCH(QString, word);
        QFETCH(QString, expectedLine);
        QCOMPARE(answeredWordLines(rows, m_folders).value(word), expectedLine);
    }

    void wordsChosen_data()
    {
        QTest::addColumn<QList<WordSummary>>("summary");
        QTest::addColumn<int>("maxWords");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("problems");
        const QList<WordSummary> summary{{"raton", 9, 5}, {"arbol", 4, 2}, {"casa", 3, 1}, {"camion", 7, 0}};
        QTest::newRow("missed words in the summary's order, with their accents")
            << summary << 30 << QStringList{"ratón", "árbol", "casa"} << 0;
        QTest::newRow("at most the words asked for") << summary << 2 << QStringList{"ratón", "árbol"} << 0;
        QTest::newRow("a word without a line is told, not guessed")
            << QList<WordSummary>{{"luna", 3, 3}, {"casa", 3, 1}} << 30 << QStringList{"casa"} << 1;
    }

    void wordsChosen()
    {
        QFETCH(QList<WordSummary>, summary);
        QFETCH(int, maxWords);
        QFETCH(QStringList, expected);
        QFETCH(int, problems);
        const QHash<QString, QString> lines{{"raton", "raton,4,ton,ó,"}, {"arbol", "arbol,1,ar,á,"},
                                            {"casa", "casa,2,ca,NO,"}, {"camion", "camion,5,mion,ó,"}};
        QStringList told;
        QCOMPARE(wordsToPractise(summary, lines, maxWords, &told), expected);
        QCOMPARE(told.size(), problems);
    }

    void savedList_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("expectedName");
        QTest::addColumn<int>("problems");
        QTest::newRow("after the teacher's numbered lists")
            << QStringList{"03-agudas.txt", "07-letras.txt"} << QStringList{"casa"} << "08-repaso-2026-12-06.txt" << 0;
        QTest::newRow("a list of the same day is not overwritten")
            << QStringList{"01-repaso-2026-12-06.txt"} << QStringList{"casa"} << "02-repaso-2026-12-06.txt" << 0;
        QTest::newRow("a word the maker refuses is told and left out")
            << QStringList{} << QStringList{"casa", "c4sa"} << "01-repaso-2026-12-06.txt" << 1;
    }

    void savedList()
    {
        QFETCH(QStringList, existing);
        QFETCH(QStringList, words);
        QFETCH(QString, expectedName);
        QFETCH(int, problems);
        QTemporaryDir dir;
        const QString folder = dir.filePath("ejercicios");
        for (const QString &name : existing)
            writeFile(folder + "/" + name, "kept\r\n");
        QString error;
        QStringList told;
        const QString path = saveNewList(folder, missedWordsTitle(QDate(2026, 12, 6)), words, &error, &told);
        QCOMPARE(told.size(), problems);
        for (const QString &name : existing)
            QCOMPARE(readFile(folder + "/" + name), QByteArray("kept\r\n"));
        QCOMPARE(path, folder + "/" + expectedName);
        QCOMPARE(readFile(path), QByteArray("casa,2,ca,NO,\r\n"));
        QCOMPARE(QDir(folder).count() - 2, uint(existing.size() + 1));  // no scratch file left
    }

private:
    QTemporaryDir m_dir;
    QStringList m_folders;
};

QTEST_GUILESS_MAIN(TestMissedList)
#include "tst_missedlist.moc"
