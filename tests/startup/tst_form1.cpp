// The main window over small content trees: start-up, the exercise list as a
// child reaches it, next word, replay, wrap, hostile lines, and answering
// through the window: letters, counters, sounds, animations, record, bounce.
#include "platform/gifview.h"
#include "platform/letterstrip.h"
#include "platform/picturebutton.h"
#include "startup/form1.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "../support/testcontent.h"
#include "../support/files.h"

using namespace tildora;
using testing::Window;
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


constexpr int NoAccentButton = -1;
const QPoint Corner(1, 1);  // the white background of a test letter

// The record, one character per letter: '.' plain, 'G' green, 'R' red.
QString recordColours(RecordPanel &panel)
{
    const QString text = panel.text();
    QString marks;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            marks += u'\n';
            continue;
        }
        const QColor c = panel.colorAt(i);
        marks += c == QColor(Qt::green) ? u'G' : c == QColor(Qt::red) ? u'R' : u'.';
    }
    return marks;
}

QString visibleAnimation(Form1 &f)
{
    const bool yes = f.Gif89a1[0]->isVisibleTo(&f), no = f.Gif89a1[1]->isVisibleTo(&f);
    return yes && no ? "both" : yes ? "yes" : no ? "no" : "none";
}

} // namespace

// How a child or teacher reaches an entry: each action on the shown window.
enum class Reach { ArrowOnClosedList, ClickInOpenList, ArrowsAndEnterInOpenList };

class TestForm1 : public QObject
{
    Q_OBJECT
private slots:
    void nextWalksAndWraps()
    {
        Window w({"uno,1,u,NO,", "dos,2,dos,NO,", "tres,3,tres,NO,"});
        w.load();
        QStringList seen{w.state().CurrentWord};
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(w.form->Command1, Qt::LeftButton);
            seen << w.state().CurrentWord;
        }
        QCOMPARE(seen, (QStringList{"uno", "dos", "tres", "uno"}));
        QCOMPARE(w.state().ItemIndex, 1);
    }

    void recordingsAndReplay()
    {
        Window w({"sol,2,sol,NO,", "pan,2,pan,NO,", "mar,2,mar,NO,"});
        w.tree.recording("sol");
        w.tree.recording("Mar");  // found whatever the letter case
        w.load();
        Form1 &f = *w.form;
        QVERIFY(f.Command3->isEnabled());
        QTest::mouseClick(f.Command3, Qt::LeftButton);
        QTest::mouseClick(f.Command3, Qt::LeftButton);
        QCOMPARE(w.sound.played.size(), 3);  // start-up plus two replays, each from the start
        QTest::mouseClick(f.Command1, Qt::LeftButton);  // pan: no recording
        QVERIFY(!f.Command3->isEnabled());
        QCOMPARE(w.sound.played.size(), 3);
        QTest::mouseClick(f.Command1, Qt::LeftButton);  // mar
        QVERIFY(f.Command3->isEnabled());
        QCOMPARE(w.sound.played.last(), w.tree.path("sonidospalabras/Mar.wav"));
        // A recording that vanished: replay plays nothing, the button stays as it was.
        QVERIFY(QFile::remove(w.tree.path("sonidospalabras/Mar.wav")));
        f.Command3_Click();
        QCOMPARE(w.sound.played.size(), 4);
        QVERIFY(f.Command3->isEnabled());
    }

    void hostileLineOpensNothingOutside()
    {
        Window w({"../../x,1,x,NO,", "a/b,1,a,NO,"}, "deep/program");
        // Real files where the names would lead if they were followed.
        w.tree.write("../../x.wav", "RIFF");
        w.tree.write("../x.wav", "RIFF");
        QVERIFY(QFile::exists(w.tree.path("../../x.wav")));
        w.load();
        QCOMPARE(w.state().CurrentWord, QString("../../x"));
        QVERIFY(w.sound.played.isEmpty());
        QVERIFY(!w.form->Command3->isEnabled());
        QTest::mouseClick(w.form->Command1, Qt::LeftButton);
        QVERIFY(w.sound.played.isEmpty());
    }

    void startUpWithoutContent()
    {
        QTemporaryDir empty;
        testing::FakeSound sound;
        Form1 form(empty.path(), &sound);
        form.Form_Load();
        QVERIFY(!form.startupProblems().isEmpty());
        QCOMPARE(form.Combo1->count(), 0);
        QCOMPARE(form.state().CurrentWord, QString());
        QCOMPARE(form.state().ItemIndex, 1);
        // The next button and the replay button keep working on nothing.
        form.Command1_Click();
        form.Command3_Click();
        QVERIFY(sound.played.isEmpty());
    }

    void startUpListsAndLoadsFirstFile_data()
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

    void startUpListsAndLoadsFirstFile()
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

    void choiceFromListLoads_data()
    {
        QTest::addColumn<Reach>("reach");
        QTest::newRow("arrow key on the closed list") << Reach::ArrowOnClosedList;
        QTest::newRow("click in the open list") << Reach::ClickInOpenList;
        QTest::newRow("arrow keys and Enter in the open list") << Reach::ArrowsAndEnterInOpenList;
    }

    void choiceFromListLoads()
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

    void typingLoadsNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("an entry's whole name") << "2.txt";
        QTest::newRow("a file outside the folder") << "../secret.txt";
    }

    void typingLoadsNothing()
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

    void vanishedFileLoadsEmpty()
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

    void teachersOwnFilesFollowTheBundledOnes()
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

    void answers_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<QList<QRgb>>("fills");
        QTest::addColumn<QString>("counters");  // right/wrong
        QTest::addColumn<QStringList>("sounds");
        QTest::addColumn<QString>("animation");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("colours");

        const QRgb blue = qRgb(0, 0, 255), green = qRgb(0, 255, 0), red = qRgb(255, 0, 0);
        const int N = NoAccentButton;
        QTest::newRow("vowel, wrong then right")
            << 0 << "casa,2,ca,NO," << QList<int>{0, 1} << QList<QRgb>{red, blue} << "1/1"
            << QStringList{"sonidos/fallo.wav", "sonidos/8.wav"} << "yes" << "casa\ncasa\n" << "R...\n.G..\n";
        QTest::newRow("syllable, both letters") << 1 << QString("papa,4,pa,á,") << QList<int>{2, 3}
                                                << QList<QRgb>{green, green} << "1/0" << QStringList{"sonidos/8.wav"}
                                                << "yes" << "papa\n" << "..GG\n";
        QTest::newRow("no-accent button, wrong") << 2 << QString("arbol,1,ar,á,") << QList<int>{N} << QList<QRgb>{0}
                                                 << "0/0" << QStringList{"sonidos/fallo.wav"} << "no" << "arbol\n"
                                                 << "RRRRR\n";
    }

    void answers()
    {
        QFETCH(int, mode);
        QFETCH(QString, line);
        QFETCH(QList<int>, presses);
        QFETCH(QList<QRgb>, fills);
        Window w({line});
        tildora::writeGif(w.tree.path(QString("letrasacento/á.gif")), testing::letterImage(33));
        w.load();
        Form1 &f = *w.form;
        f.show();
        f.Command2_Click(mode);  // draws the word again under the mode
        w.sound.played.clear();

        for (int i = 0; i < presses.size(); ++i) {
            if (presses[i] == NoAccentButton) {
                QVERIFY(f.Command4->isEnabled());
                QTest::mouseClick(f.Command4, Qt::LeftButton);
                continue;
            }
            LetterPicture *letter = f.Picture2->letter(presses[i]);
            QTest::mouseClick(letter, Qt::LeftButton, {}, Corner);
            QCOMPARE(letter->keptImage().pixel(Corner), fills[i]);
            QVERIFY(!letter->isEnabled());
        }
        QTEST(f.Label1[0]->text() + "/" + f.Label1[1]->text(), "counters");
        QStringList sounds;
        for (const QString &path : w.sound.played)
            sounds << QDir(w.tree.root).relativeFilePath(path);
        QTEST(sounds, "sounds");
        QTEST(visibleAnimation(f), "animation");
        QCOMPARE(!f.Picture2->isEnabled(), visibleAnimation(f) == "yes");
        QVERIFY(!f.Command4->isEnabled() || visibleAnimation(f) == "no");
        QTEST(f.record().text(), "record");
        QTEST(recordColours(f.record()), "colours");
    }

    void bounce()
    {
        Window w({"casa,2,ca,NO,", "sol,2,sol,NO,"});
        w.load();
        w.form->show();
        Form1 &f = *w.form;
        f.Timer1->setInterval(1000000);  // ticks are driven by hand
        LetterPicture *a = f.Picture2->letter(1);
        const int left = a->left();
        QTest::mousePress(a, Qt::LeftButton, {}, Corner);
        // Between the press and its click the previous base (0) holds.
        QCOMPARE(w.state().AnimLetter, 1);
        QCOMPARE(w.state().BounceTop, 600);
        f.Timer1_Timer();
        QCOMPARE(a->top(), 605);
        QTest::mouseRelease(a, Qt::LeftButton, {}, Corner);
        QCOMPARE(a->top(), 600);
        QCOMPARE(w.state().BounceBase, 600);
        // Down to base + 705, one step past the line, then up: 162 ticks from
        // one extreme to the other.
        QList<int> tops;
        for (int i = 0; i < 141 + 162; ++i) {
            f.Timer1_Timer();
            tops << a->top();
        }
        QCOMPARE(tops[140], 600 + 705);
        QCOMPARE(tops[141], 600 + 700);
        QCOMPARE(tops[140 + 162], 600 - 105);
        QCOMPARE(a->left(), left);
        QVERIFY(w.state().BounceUp == false);
        // The next word stops the bounce and puts the letters on their row, but
        // keeps the direction for the next bounce.
        for (int i = 0; i < 162 && !w.state().BounceUp; ++i)
            f.Timer1_Timer();
        QVERIFY(w.state().BounceUp);
        f.Command1_Click();
        QVERIFY(!f.Timer1->isActive());
        QCOMPARE(f.Picture2->letter(0)->top(), 600);
        QTest::mouseClick(f.Picture2->letter(1), Qt::LeftButton, {}, Corner);  // sol: o
        QCOMPARE(w.state().CurrentWord, QString("sol"));
        QCOMPARE(f.Label1[0]->text(), QString("2"));
        QCOMPARE(w.state().AnimLetter, 1);
        f.Timer1_Timer();
        QCOMPARE(f.Picture2->letter(1)->top(), 595);  // still going up first
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
