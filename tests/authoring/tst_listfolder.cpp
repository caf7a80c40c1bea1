// The teacher's folder of exercise lists: names and their number prefix,
// new lists, copies, renaming, reordering, the trash, and saving a list; and a
// new list from the words children missed: finding the lines the words were
// shown with, choosing and spelling the words, and saving the list without
// ever overwriting another.
#include "authoring/listfile.h"
#include "authoring/listfolder.h"
#include "authoring/missedlist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "../support/files.h"

using namespace tildora;

class TestListFolder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        // The trash is the one of this data home, never the real one.
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path()));
        m_folder = m_home.path() + QStringLiteral("/tildora/ejercicios");
        // Lists the missed words were shown from; the same word may have another line in a bundled list.
        const QString teacher = m_home.filePath("maestra"), bundled = m_home.filePath("programa");
        testing::writeFile(teacher + "/01-mias.txt", "raton,4,ton,ó,\r\ncasa,2,ca,NO,\r\n");
        testing::writeFile(bundled + "/01-agudas.txt", "raton,4,ton,ó,\r\ncamion,5,mion,ó,\r\n");
        testing::writeFile(bundled + "/02-llanas.txt", QByteArray("arbol,1,ar,\xe1,\r\ncasa,4,sa,NO,\r\nroto,2\r\n"
                                                                   "tu,2,tu,\xfa,\xbfVienes t\xfa?,\r\n"));
        m_missedFolders = {teacher, bundled};
    }

    void init()
    {
        QDir(m_folder).removeRecursively();
        QVERIFY(QDir().mkpath(m_folder));
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("title");
        QTest::newRow("two digits and a dash") << "07-letras.txt" << 7 << "letras";
        QTest::newRow("no number") << "animales.txt" << -1 << "animales";
        QTest::newRow("only a number keeps it as title") << "12.txt" << 12 << "12";
        QTest::newRow("no extension") << "03-agudas" << 3 << "agudas";
    }

    void names()
    {
        QFETCH(QString, name);
        QTEST(listNumber(name), "number");
        QTEST(listTitle(name), "title");
    }

    void createAfterTheLastNumber()
    {
        put(QStringLiteral("03-agudas.txt"));
        put(QStringLiteral("animales.txt"));
        QString error;
        const QString path = createList(m_folder, QStringLiteral("repaso"), &error);
        QCOMPARE(path, m_folder + QStringLiteral("/04-repaso.txt"));
        QVERIFY(QFile::exists(path));
        // A teacher's folder that does not exist yet is made.
        const QString fresh = m_home.path() + QStringLiteral("/nuevo/ejercicios");
        QCOMPARE(createList(fresh, QStringLiteral("uno"), &error), fresh + QStringLiteral("/01-uno.txt"));
    }

    void copyOfABundledList()
    {
        QTemporaryDir bundled;
        const QString source = bundled.filePath(QStringLiteral("05-esdrujulas.txt"));
        testing::writeFile(source, "pajaro,2,pa,á,\r\n");
        QVERIFY(QFile::setPermissions(source, QFile::ReadOwner));
        put(QStringLiteral("01-mias.txt"));
        QString error;
        const QString copy = copyList(source, m_folder, &error);
        QCOMPARE(copy, m_folder + QStringLiteral("/02-esdrujulas.txt"));
        QCOMPARE(testing::readFile(copy), QByteArray("pajaro,2,pa,á,\r\n"));
        QVERIFY(QFile::permissions(copy) & QFile::WriteOwner);  // editable, though the bundled one is not
        QVERIFY(QFile::setPermissions(source, QFile::ReadOwner | QFile::WriteOwner));
    }

    void renameKeepsTheNumber_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expected");  // empty: refused
        QTest::newRow("a new title") << "animales del mar" << "02-animales del mar.txt";
        QTest::newRow("a folder separator cannot climb out") << "../../etc" << "02--..-etc.txt";
        QTest::newRow("characters Windows refuses") << "a:b*c?" << "02-a-b-c-.txt";
        QTest::newRow("a leading dot is dropped") << ".oculto" << "02-oculto.txt";
        QTest::newRow("a tab or a line break becomes a dash") << "a\tb\nc" << "02-a-b-c.txt";
        QTest::newRow("the title of another list") << "colores" << QString();
    }

    void renameKeepsTheNumber()
    {
        QFETCH(QString, title);
        QFETCH(QString, expected);
        put(QStringLiteral("02-animales.txt"));
        put(QStringLiteral("02-colores.txt"));
        QString error;
        const QString renamed = renameList(m_folder + QStringLiteral("/02-animales.txt"), title, &error);
        QCOMPARE(renamed, expected.isEmpty() ? QString() : m_folder + QLatin1Char('/') + expected);
        QCOMPARE(error.isEmpty(), !expected.isEmpty());
        QCOMPARE(files().size(), 2);
        QVERIFY(files().contains(expected.isEmpty() ? QStringLiteral("02-animales.txt") : expected));
    }

    void reorder_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("blocked");  // a folder where the list being moved is set aside
        QTest::addColumn<QStringList>("after");
        QTest::newRow("the last one up") << 2 << 1 << false << QStringList{"01-a.txt", "02-c.txt", "03-b.txt"};
        QTest::newRow("the first one to the end") << 0 << 2 << false << QStringList{"01-b.txt", "02-c.txt", "03-a.txt"};
        QTest::newRow("the last one to the top") << 2 << 0 << false << QStringList{"01-c.txt", "02-a.txt", "03-b.txt"};
        QTest::newRow("no place past the last: nothing changes")
            << 0 << 3 << true << QStringList{"01-a.txt", "05-b.txt", "c.txt"};
        QTest::newRow("a list that cannot be renamed: nothing changes")
            << 2 << 1 << true << QStringList{"01-a.txt", "05-b.txt", "c.txt"};
    }

    void reorder()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, after);
        // Numbers with gaps and a list without one: all get 01, 02, 03.
        put(QStringLiteral("01-a.txt"), "a");
        put(QStringLiteral("05-b.txt"), "b");
        put(QStringLiteral("c.txt"), "c");
        QFETCH(bool, blocked);
        if (blocked)
            put(QStringLiteral(".renumbering-1-c.txt/in-the-way"), "x");
        QString error;
        const bool moved = moveList(m_folder, {"01-a.txt", "05-b.txt", "c.txt"}, from, to, &error);
        QCOMPARE(moved, !blocked);
        QCOMPARE(error.isEmpty(), !blocked);
        QCOMPARE(files(), after);
        for (const QString &name : after)  // each file keeps its own lines
            QCOMPARE(testing::readFile(m_folder + QLatin1Char('/') + name), listTitle(name).toUtf8());
    }

    void trashKeepsTheFile()
    {
        put(QStringLiteral("01-borrar.txt"), "casa,2,ca,NO,\r\n");
        QString error;
        QVERIFY2(trashList(m_folder + QStringLiteral("/01-borrar.txt"), &error), qPrintable(error));
        QVERIFY(files().isEmpty());
        QCOMPARE(testing::readFile(m_home.path() + QStringLiteral("/Trash/files/01-borrar.txt")),
                 QByteArray("casa,2,ca,NO,\r\n"));
        QVERIFY(!trashList(m_folder + QStringLiteral("/01-borrar.txt"), &error));
    }

    void saveRoundTrip()
    {
        const QStringList lines{QStringLiteral("arbol,1,ar,á,"), QStringLiteral("niño,2,ni,NO,")};
        const QString path = m_folder + QStringLiteral("/01-guardar.txt");
        put(QStringLiteral("01-guardar.txt"), "old contents\n");
        QString error;
        QVERIFY2(saveExerciseFile(path, lines, &error), qPrintable(error));
        QCOMPARE(testing::readFile(path), QByteArray("arbol,1,ar,\xc3\xa1,\r\nni\xc3\xb1o,2,ni,NO,\r\n"));
        QCOMPARE(openListFile(path).lines, lines);
        QCOMPARE(files(), QStringList{QStringLiteral("01-guardar.txt")});  // no temporary file left behind
    }

    void openWordListOrExerciseFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // "(folder)", "(fifo)": a folder or a FIFO of that name
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("converted");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("exercise lines are kept line for line, blank ones too")
            << QByteArray("casa,2,ca,NO,\r\n\r\nmesa,2,me,NO,\r\n") << true << false
            << QStringList{"casa,2,ca,NO,", QString(), "mesa,2,me,NO,"};
        QTest::newRow("a word list in Windows-1252 becomes exercise lines")
            << QByteArray("\xe1rbol\r\ncami\xf3n\r\n") << true << true
            << QStringList{"arbol,1,ar,á,", "camion,5,mion,ó,"};
        QTest::newRow("a folder is not read") << QByteArray("(folder)") << false << false << QStringList{};
        QTest::newRow("a line whose word is longer than any real word is left out")
            << QByteArray(61, 'a') + ",1,a,NO,\r\ncasa,2,ca,NO,\r\n" << true << false << QStringList{"casa,2,ca,NO,"};
        QTest::newRow("a FIFO is not read, nor waited on") << QByteArray("(fifo)") << false << false << QStringList{};
    }

    void openWordListOrExerciseFile()
    {
        QFETCH(QByteArray, bytes);
        const QString path = m_folder + QStringLiteral("/abrir.txt");
        if (bytes == "(folder)")
            QVERIFY(QDir().mkpath(path));
        else if (bytes == "(fifo)")
            QVERIFY(testing::makeFifo(path));
        else
            put(QStringLiteral("abrir.txt"), bytes);
        const OpenedList opened = openListFile(path);
        QTEST(opened.readable, "readable");
        QTEST(opened.converted, "converted");
        QTEST(opened.lines, "lines");
        QVERIFY(openListFile(m_folder + QStringLiteral("/no-existe.txt")).error.size() > 0);
    }

    void linesOfAnsweredWords_data()
    {
        QTest::addColumn<QString>("file");  // the list the answer names
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("expectedLine");  // empty: not found
        QTest::newRow("from the list the answer names") << "02-llanas.txt" << "casa" << "casa,4,sa,NO,";
        QTest::newRow("a list since deleted: found in another") << "09-borrada.txt" << "camion" << "camion,5,mion,ó,";
        QTest::newRow("a name leaving the folder is not followed")
            << "../programa/02-llanas.txt" << "casa" << "casa,2,ca,NO,";
        QTest::newRow("a line cut short is not taken") << "02-llanas.txt" << "roto" << "";
        QTest::newRow("a line with a sentence, also by its word as written") << "02-llanas.txt" << "tú\t"
                                                                          << "tu,2,tu,ú,¿Vienes tú?,";
    }

    void linesOfAnsweredWords()
    {
        QFETCH(QString, file);
        QFETCH(QString, word);
        QTEST(answeredWordLines({file}, m_missedFolders).value(word), "expectedLine");
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
        QTest::newRow("words told apart by their sentences keep them, each once")
            << QList<WordSummary>{{"tu", 3, 2, "tú"}, {"tu", 2, 1, "tu"}, {"tu", 1, 1, "tú"}} << 30
            << QStringList{"tú: ¿Vienes tú?", "tu: Tu casa."} << 0;
    }

    void wordsChosen()
    {
        QFETCH(QList<WordSummary>, summary);
        QFETCH(int, maxWords);
        const QHash<QString, QString> lines{{"raton", "raton,4,ton,ó,"}, {"arbol", "arbol,1,ar,á,"},
                                            {"casa", "casa,2,ca,NO,"}, {"camion", "camion,5,mion,ó,"},
                                            {"tú\t", "tu,2,tu,ú,¿Vienes tú?,"}, {"tu\t", "tu,2,tu,NO,Tu casa.,"}};
        QStringList told;
        QTEST(wordsToPractise(summary, lines, maxWords, &told), "expected");
        QTEST(int(told.size()), "problems");
    }

    void savedMissedWordsList_data()
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

    void savedMissedWordsList()
    {
        QFETCH(QStringList, existing);
        QFETCH(QStringList, words);
        QFETCH(QString, expectedName);
        for (const QString &name : existing)
            put(name, "kept\r\n");
        QString error;
        QStringList told;
        const QString path = saveNewList(m_folder, missedWordsTitle(QDate(2026, 12, 6)), words, &error, &told);
        QTEST(int(told.size()), "problems");
        for (const QString &name : existing)
            QCOMPARE(testing::readFile(m_folder + "/" + name), QByteArray("kept\r\n"));
        QCOMPARE(path, m_folder + "/" + expectedName);
        QCOMPARE(testing::readFile(path), QByteArray("casa,2,ca,NO,\r\n"));
        QCOMPARE(files(), QStringList(existing) << expectedName);  // no scratch file left
    }

    void noListOfNoWords()
    {
        QString error;
        QCOMPARE(saveNewList(m_folder, QStringLiteral("repaso"), {QStringLiteral("c4sa")}, &error, nullptr), QString());
        QVERIFY(!error.isEmpty());
        QCOMPARE(files(), QStringList());
    }

private:
    void put(const QString &name, const QByteArray &bytes = "sol,2,sol,NO,\r\n")
    {
        testing::writeFile(m_folder + QLatin1Char('/') + name, bytes);
    }
    QStringList files() const { return QDir(m_folder).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    QTemporaryDir m_home;
    QString m_folder;
    QStringList m_missedFolders;
};

QTEST_MAIN(TestListFolder)
#include "tst_listfolder.moc"
