#include "content/exerciseline.h"
#include "content/exerciselibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include "../support/files.h"

using namespace tildora;
using testing::writeFile;

class TestExerciseLibrary : public QObject
{
    Q_OBJECT
private slots:
    void listsOrdinaryFilesByName_data();
    void listsOrdinaryFilesByName();
    void missingFolderListsNothing();
    void splitsLines_data();
    void splitsLines();
    void loadsFiles_data();
    void loadsFiles();
};

void TestExerciseLibrary::listsOrdinaryFilesByName_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("case-insensitive order")
        << QStringList{"b.txt", "A.txt", "c.dat"} << QStringList{} << QStringList{"A.txt", "b.txt", "c.dat"};
    QTest::newRow("hidden files and folders left out")
        << QStringList{".oculto.txt", "01-agudas.txt"} << QStringList{"sub", ".git"}
        << QStringList{"01-agudas.txt"};
    QTest::newRow("accented capitals fold too")
        << QStringList{QString("Ñu.txt"), QString("ña.txt")} << QStringList{}
        << QStringList{QString("ña.txt"), QString("Ñu.txt")};
}

void TestExerciseLibrary::listsOrdinaryFilesByName()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, folders);
    QTemporaryDir dir;
    for (const QString &f : files)
        writeFile(dir.filePath(f), "x,1,x,NO,\r\n");
    for (const QString &f : folders)
        QVERIFY(QDir(dir.path()).mkdir(f));
    QTEST(listExerciseFiles(dir.path()), "expected");
}

void TestExerciseLibrary::missingFolderListsNothing()
{
    QTemporaryDir dir;
    QCOMPARE(listExerciseFiles(dir.filePath("absent")), QStringList{});
    // A file where the folder should be is no folder.
    writeFile(dir.filePath("ejercicios"), "casa,2,ca,NO,");
    QCOMPARE(listExerciseFiles(dir.filePath("ejercicios")), QStringList{});
}

void TestExerciseLibrary::splitsLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("mixed ends") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("empty middle line") << "a\r\n\r\nc\r\n" << QStringList{"a", "", "c"};
    QTest::newRow("LF CR is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("empty text") << "" << QStringList{};
}

void TestExerciseLibrary::splitsLines()
{
    QFETCH(QString, text);
    QTEST(splitExerciseLines(text).toStringList(), "lines");
}

void TestExerciseLibrary::loadsFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("three lines, middle empty") << QByteArray("casa,2,ca,NO,\r\n\r\nsol,2,sol,NO,\r\n")
                                               << QStringList{"casa,2,ca,NO,", "", "sol,2,sol,NO,"};
    QTest::newRow("Windows-1252 euro and quotes")
        << QByteArray("\x80\x93x\x94,1,x,NO,") << QStringList{QString("\u20AC\u201Cx\u201D,1,x,NO,")};
    QTest::newRow("invalid UTF-8 falls back to Windows-1252")
        << QByteArray("\xC3\xB1o\xF1o,1,x,NO,") << QStringList{QString("\u00C3\u00B1o\u00F1o,1,x,NO,")};
    QTest::newRow("binary bytes with NUL") << QByteArray("\x00\x01\xFF\xFE\r\x00", 6)
                                          << QStringList{QString(QChar(0)) + QChar(1) + QChar(0xFF) + QChar(0xFE),
                                                         QString(QChar(0))};
}

void TestExerciseLibrary::loadsFiles()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    writeFile(dir.filePath("f.txt"), bytes);
    QTEST(loadExerciseLines(dir.filePath("f.txt")).toStringList(), "lines");
}

QTEST_APPLESS_MAIN(TestExerciseLibrary)
#include "tst_exerciselibrary.moc"
