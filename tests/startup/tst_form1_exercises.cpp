#include "startup/form1.h"

#include "../support/testcontent.h"
#include "platform/picturebutton.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include "../support/files.h"

using namespace tildora;
using testing::writeFile;

namespace {

// A program folder with an exercise folder holding the given files.
struct ContentTree {
    QTemporaryDir dir;
    explicit ContentTree(const QList<QPair<QString, QByteArray>> &files, bool withFolder = true)
    {
        if (withFolder)
            QDir(dir.path()).mkdir("ejercicios");
        for (const auto &[name, bytes] : files)
            writeFile(exercise(name), bytes);
    }
    QString exercise(const QString &name) const { return dir.filePath("ejercicios/" + name); }
};

QStringList comboEntries(const QComboBox *combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}

} // namespace

class TestForm1Exercises : public QObject
{
    Q_OBJECT
private slots:
    void startUpListsAndLoadsFirstFile_data();
    void startUpListsAndLoadsFirstFile();
    void choiceFromListLoads_data();
    void choiceFromListLoads();
    void typingLoadsNothing_data();
    void typingLoadsNothing();
    void vanishedFileLoadsEmpty();
    void teachersOwnFilesFollowTheBundledOnes();
};

void TestForm1Exercises::startUpListsAndLoadsFirstFile_data()
{
    QTest::addColumn<bool>("withFolder");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("three files, first by name loads")
        << true << QStringList{"b.txt", "A.txt", "c.dat"} << QStringList{"A.txt", "b.txt", "c.dat"} << "A.txt"
        << QStringList{"A.txt line"};
    QTest::newRow("no folder at all") << false << QStringList{} << QStringList{} << "" << QStringList{};
}

void TestForm1Exercises::startUpListsAndLoadsFirstFile()
{
    QFETCH(bool, withFolder);
    QFETCH(QStringList, names);
    QList<QPair<QString, QByteArray>> files;
    for (const QString &n : names)
        files.append({n, (n + " line\r\n").toUtf8()});
    ContentTree tree(files, withFolder);
    testing::FakeSound sound;
    Form1 form(tree.dir.path(), &sound);
    QCOMPARE(form.Combo1->currentText(), QString("Combo1"));
    form.Form_Load();
    QTEST(comboEntries(form.Combo1), "entries");
    QTEST(form.Combo1->currentText(), "text");
    QTEST(form.List1.toStringList(), "lines");
    QCOMPARE(form.state().ItemIndex, 1);  // the first item is on screen
}

// How a child or teacher reaches an entry: each action on the shown window.
enum class Reach { ArrowOnClosedList, ClickInOpenList, ArrowsAndEnterInOpenList };

void TestForm1Exercises::choiceFromListLoads_data()
{
    QTest::addColumn<Reach>("reach");
    QTest::newRow("arrow key on the closed list") << Reach::ArrowOnClosedList;
    QTest::newRow("click in the open list") << Reach::ClickInOpenList;
    QTest::newRow("arrow keys and Enter in the open list") << Reach::ArrowsAndEnterInOpenList;
}

void TestForm1Exercises::choiceFromListLoads()
{
    QFETCH(Reach, reach);
    ContentTree tree({{"1.txt", "uno,1,u,NO,\r\n"}, {"2.txt", "dos,2,dos,NO,\r\ntres,3,tres,NO,"}});
    testing::FakeSound sound;
    Form1 form(tree.dir.path(), &sound);
    form.Form_Load();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.Combo1->setFocus();
    form.state().ItemIndex = 2;

    QAbstractItemView *list = form.Combo1->view();
    const auto chooseSecondInOpenList = [&] {
        form.Combo1->showPopup();
        QTRY_VERIFY(list->isVisible());
        if (reach == Reach::ClickInOpenList) {
            const QRect second = list->visualRect(list->model()->index(1, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        } else {
            QTest::keyClick(list, Qt::Key_Home);
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
        }
    };
    if (reach == Reach::ArrowOnClosedList)
        QTest::keyClick(form.Combo1, Qt::Key_Down);
    else
        chooseSecondInOpenList();
    QTRY_COMPARE(form.Combo1->currentText(), QString("2.txt"));
    QCOMPARE(form.List1.toStringList(), (QStringList{"dos,2,dos,NO,", "tres,3,tres,NO,"}));
    QCOMPARE(form.state().ItemIndex, 0);
    if (reach == Reach::ArrowOnClosedList)
        return;

    // Choosing the loaded file again reads it afresh.
    writeFile(tree.exercise("2.txt"), "cuatro,2,cua,NO,");
    form.state().ItemIndex = 1;
    chooseSecondInOpenList();
    QTRY_COMPARE(form.List1.toStringList(), QStringList{"cuatro,2,cua,NO,"});
    QCOMPARE(form.state().ItemIndex, 0);
}

void TestForm1Exercises::typingLoadsNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("an entry's whole name") << "2.txt";
    QTest::newRow("a file outside the folder") << "../secret.txt";
}

void TestForm1Exercises::typingLoadsNothing()
{
    QFETCH(QString, typed);
    ContentTree tree({{"1.txt", "uno,1,u,NO,"}, {"2.txt", "dos,2,dos,NO,"}});
    writeFile(tree.dir.filePath("secret.txt"), "outside,1,o,NO,");
    testing::FakeSound sound;
    Form1 form(tree.dir.path(), &sound);
    form.Form_Load();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.state().ItemIndex = 1;

    // As at the keyboard: the keys go to the box, which hands them to its
    // text line; then Enter, then the focus moves on to a button.
    form.Combo1->setFocus();
    form.Combo1->lineEdit()->selectAll();
    QTest::keyClicks(form.Combo1, typed);
    QTest::keyClick(form.Combo1, Qt::Key_Return);
    form.Command1->setFocus(Qt::MouseFocusReason);
    QVERIFY(form.Command1->hasFocus());
    QCOMPARE(form.List1.toStringList(), QStringList{"uno,1,u,NO,"});
    QCOMPARE(form.state().ItemIndex, 1);
    QCOMPARE(form.Combo1->count(), 2);
}

void TestForm1Exercises::vanishedFileLoadsEmpty()
{
    ContentTree tree({{"1.txt", "uno,1,u,NO,"}, {"2.txt", "dos,2,dos,NO,"}});
    testing::FakeSound sound;
    Form1 form(tree.dir.path(), &sound);
    form.Form_Load();
    QVERIFY(QFile::remove(tree.exercise("2.txt")));
    form.Combo1->setCurrentIndex(1);
    form.Combo1_Click();
    QCOMPARE(form.List1.toStringList(), QStringList{});
    QCOMPARE(form.state().ItemIndex, 0);
    // A file replaced by a folder of the same name reads as empty too.
    QVERIFY(QDir(tree.dir.path()).mkpath("ejercicios/2.txt"));
    form.Combo1_Click();
    QCOMPARE(form.List1.toStringList(), QStringList{});
}

void TestForm1Exercises::teachersOwnFilesFollowTheBundledOnes()
{
    ContentTree tree({{"b.txt", "bundled,1,b,NO,"}, {"a.txt", "first,1,f,NO,"}});
    QTemporaryDir own;
    writeFile(own.filePath("ejercicios/a.txt"), "mine,1,m,NO,");
    writeFile(own.filePath("ejercicios/Z.txt"), "zeta,1,z,NO,");
    writeFile(own.filePath("sonidospalabras/mine.wav"), "RIFF");
    testing::FakeSound sound;
    Form1 form(tree.dir.path(), &sound);
    form.setUserContentFolder(own.path());
    form.Form_Load();
    QCOMPARE(comboEntries(form.Combo1), (QStringList{"a.txt", "b.txt", "a.txt", "Z.txt"}));
    QCOMPARE(form.List1.toStringList(), QStringList{"first,1,f,NO,"});
    // The teacher's a.txt is told from the bundled one by its place in the list.
    form.Combo1->setCurrentIndex(2);
    form.Combo1_Click();
    QCOMPARE(form.List1.toStringList(), QStringList{"mine,1,m,NO,"});
    // ... and its own recordings are played.
    form.Command1_Click();
    QCOMPARE(sound.played.last(), own.filePath("sonidospalabras/mine.wav"));
}

QTEST_MAIN(TestForm1Exercises)
#include "tst_form1_exercises.moc"
