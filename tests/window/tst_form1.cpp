// The main window over small content trees: start-up, the exercise list as a
// child or teacher reaches it, next word, replay, wrap and the bounce; and the
// answers it keeps: short games in each mode write the expected rows, nothing
// is written before the first answer, and a folder that refuses leaves the
// game exactly as it was; a class whose children pick their names in turn; the record panel's offsets and colours.
#include "widgets/gifview.h"
#include "widgets/letterstrip.h"
#include "widgets/picturebutton.h"
#include "results/resultrow.h"
#include "results/resultslog.h"
#include "window/childchooser.h"
#include "window/classroomaccess.h"
#include "window/fullscreenstage.h"
#include "window/form1.h"
#include "window/namepicker.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "../support/files.h"
#include "../support/testcontent.h"

using namespace tildora;
using testing::Window;

namespace {

QStringList comboEntries(const QComboBox *combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}

// A window over 01.txt and 02.txt, shown and active so that keys reach it.
void showTwoLists(Window &w)
{
    w.tree.exercise("02.txt", {"dos,2,dos,NO,", "tres,3,tres,NO,"});
    w.load();
    w.form->show();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
}

const QPoint Corner(1, 1);  // the white background of a test letter

// How a child or teacher reaches an entry: each action on the shown window.
enum class Reach { ArrowOnClosedList, ClickInOpenList, ArrowsAndEnterInOpenList };

constexpr int NoAccentButton = -1;
constexpr int NextWord = -2;
constexpr int OtherList = -3;  // 02.txt chosen: the word on screen stays

// A game over the lines in the mode, with answers kept in a folder of its own.
struct Game {
    QTemporaryDir data;
    Window w;
    QDateTime started;

    Game(const QStringList &lines, int mode, const QString &child = {}) : w(lines)
    {
        w.tree.exercise("02.txt", {"dos,2,dos,NO,"});
        w.form->keepAnswers(folder(), child);
        w.load();
        w.form->show();
        w.form->Command2_Click(mode);
        started = QDateTime::currentDateTime().addSecs(-1);
    }
    QString folder() const { return data.filePath("tildora/resultados"); }
    void press(int what)
    {
        if (what == NoAccentButton)
            QTest::mouseClick(w.form->Command4, Qt::LeftButton);
        else if (what == NextWord)
            QTest::mouseClick(w.form->Command1, Qt::LeftButton);
        else if (what == OtherList) {
            w.form->Combo1->setCurrentIndex(1);
            w.form->Combo1_Click();
        }
        else
            QTest::mouseClick(w.form->Picture2->letter(what), Qt::LeftButton, {}, Corner);
    }
    QByteArray dayFile() const
    {
        w.form->resultsLog()->waitWritten();
        const QStringList files = QDir(folder()).entryList(QDir::Files);
        return files.size() == 1 ? testing::readFile(folder() + "/" + files[0])
                                 : "(" + QByteArray::number(files.size()) + " files)";
    }
};

// The fields of a row from the word on: what a game decides.
QStringList answered(const QList<ResultRow> &rows)
{
    QStringList out;
    for (const ResultRow &r : rows)
        out << QStringList{r.word,   r.mode, r.position ? QString::number(r.position) : QString(),
                           r.letter, r.result, QString::number(r.right), QString::number(r.wrong)}
                   .join(',');
    return out;
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Whatever goes wrong, nothing lands in the real home.
        static QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
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
    }

    void sentencesAreShownAndHeard()
    {
        Window w({"tu,2,tu,ú,¿Vienes tú?,", "tu,2,tu,NO,Tu gato duerme.,", "sol,2,sol,NO,"});
        const QString heard = "sonidosfrases/" + ContentLocator::sentenceRecordingName("tu", "¿Vienes tú?") + ".wav";
        w.tree.write(heard, "RIFF");
        w.tree.recording("tu");
        w.load();
        Form1 &f = *w.form;
        QVERIFY(!f.SentenceLine->isHidden());
        QCOMPARE(f.SentenceLine->accessibleName(), QString("¿Vienes tu?"));  // never the answer
        QCOMPARE(w.sound.played.last(), w.tree.path(heard));
        // The same word with another sentence has a recording of its own; until
        // it is made, the word's is heard.
        QTest::mouseClick(f.Command1, Qt::LeftButton);
        QCOMPARE(f.SentenceLine->accessibleName(), QString("Tu gato duerme."));
        QCOMPARE(w.sound.played.last(), w.tree.path("sonidospalabras/tu.wav"));
        QTest::mouseClick(f.Command1, Qt::LeftButton);
        QVERIFY(f.SentenceLine->isHidden());
    }

    void startUpWithoutContent()
    {
        QTemporaryDir empty;
        testing::FakeSound sound;
        Form1 form(empty.path(), &sound);
        form.Form_Load();
        QVERIFY(!form.startupProblems().isEmpty());
        // The next button and the replay button keep working on nothing.
        form.Command1_Click();
        form.Command3_Click();
        QVERIFY(sound.played.isEmpty());
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
        Window w({"uno,1,u,NO,"});
        showTwoLists(w);
        Form1 &form = *w.form;
        form.Combo1->setFocus();
        form.item().ItemIndex = 2;

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
        QTRY_COMPARE(form.Combo1->currentText(), QString("02.txt"));
        QCOMPARE(form.List1.toStringList(), (QStringList{"dos,2,dos,NO,", "tres,3,tres,NO,"}));
        QCOMPARE(form.item().ItemIndex, 0);
        if (reach == Reach::ArrowOnClosedList)
            return;

        // Choosing the loaded file again reads it afresh.
        w.tree.exercise("02.txt", {"cuatro,2,cua,NO,"});
        form.item().ItemIndex = 1;
        chooseSecondInOpenList();
        QTRY_COMPARE(form.List1.toStringList(), QStringList{"cuatro,2,cua,NO,"});
        QCOMPARE(form.item().ItemIndex, 0);
    }

    void typingLoadsNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("an entry's whole name") << "02.txt";
        QTest::newRow("a file outside the folder") << "../secret.txt";
    }

    void typingLoadsNothing()
    {
        QFETCH(QString, typed);
        Window w({"uno,1,u,NO,"});
        w.tree.write("secret.txt", "outside,1,o,NO,");
        showTwoLists(w);
        Form1 &form = *w.form;
        form.item().ItemIndex = 1;

        // As at the keyboard: the keys go to the box, which hands them to its
        // text line; then Enter, then the focus moves on to a button.
        form.Combo1->setFocus();
        form.Combo1->lineEdit()->selectAll();
        QTest::keyClicks(form.Combo1, typed);
        QTest::keyClick(form.Combo1, Qt::Key_Return);
        form.Command1->setFocus(Qt::MouseFocusReason);
        QVERIFY(form.Command1->hasFocus());
        QCOMPARE(form.List1.toStringList(), QStringList{"uno,1,u,NO,"});
        QCOMPARE(form.item().ItemIndex, 1);
        QCOMPARE(form.Combo1->count(), 2);
    }

    void vanishedFileLoadsEmpty()
    {
        Window w({"uno,1,u,NO,"});
        w.tree.exercise("02.txt", {"dos,2,dos,NO,"});
        w.load();
        Form1 &form = *w.form;
        QVERIFY(QFile::remove(w.tree.path("ejercicios/02.txt")));
        form.Combo1->setCurrentIndex(1);
        form.Combo1_Click();
        QCOMPARE(form.List1.toStringList(), QStringList{});
        QCOMPARE(form.item().ItemIndex, 0);
        // A file replaced by a folder of the same name reads as empty too.
        QVERIFY(QDir().mkpath(w.tree.path("ejercicios/02.txt")));
        form.Combo1_Click();
        QCOMPARE(form.List1.toStringList(), QStringList{});
    }

    void teachersOwnFilesFollowTheBundledOnes()
    {
        testing::ContentTree tree, own;
        tree.exercise("b.txt", {"bundled,1,b,NO,"});
        tree.exercise("a.txt", {"first,1,f,NO,"});
        tree.exercise("c.dat", {"other,1,o,NO,"});
        own.exercise("a.txt", {"mine,1,m,NO,"});
        own.exercise("Z.txt", {"zeta,1,z,NO,"});
        own.recording("mine");
        testing::FakeSound sound;
        Form1 form(tree.root, &sound);
        form.setUserContentFolder(own.root);
        form.Form_Load();
        QCOMPARE(comboEntries(form.Combo1), (QStringList{"a.txt", "b.txt", "c.dat", "a.txt", "Z.txt"}));
        QCOMPARE(form.List1.toStringList(), QStringList{"first,1,f,NO,"});
        QCOMPARE(form.item().ItemIndex, 1);  // the first item is on screen
        // The teacher's a.txt is told from the bundled one by its place in the list.
        form.Combo1->setCurrentIndex(3);
        form.Combo1_Click();
        QCOMPARE(form.List1.toStringList(), QStringList{"mine,1,m,NO,"});
        // ... and its own recordings are played.
        form.Command1_Click();
        QCOMPARE(sound.played.last(), own.path("sonidospalabras/mine.wav"));
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
        QCOMPARE(w.strip().AnimLetter, 1);
        QCOMPARE(w.strip().BounceTop, 600);
        f.Timer1_Timer();
        QCOMPARE(a->top(), 605);
        QTest::mouseRelease(a, Qt::LeftButton, {}, Corner);
        QCOMPARE(a->top(), 600);
        QCOMPARE(w.strip().BounceBase, 600);
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
        QVERIFY(w.strip().BounceUp == false);
        // The next word stops the bounce and puts the letters on their row, but
        // keeps the direction for the next bounce.
        for (int i = 0; i < 162 && !w.strip().BounceUp; ++i)
            f.Timer1_Timer();
        QVERIFY(w.strip().BounceUp);
        f.Command1_Click();
        QVERIFY(!f.Timer1->isActive());
        QCOMPARE(w.strip().AnimLetter, 0);
        QCOMPARE(f.Picture2->letter(0)->top(), 600);
        QTest::mouseClick(f.Picture2->letter(1), Qt::LeftButton, {}, Corner);  // sol: o
        QCOMPARE(w.item().CurrentWord, QString("sol"));
        QCOMPARE(f.Label1[0]->text(), QString("2"));
        QCOMPARE(w.strip().AnimLetter, 1);
        f.Timer1_Timer();
        QCOMPARE(f.Picture2->letter(1)->top(), 595);  // still going up first
    }

    void gamesWriteTheirRows_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("vowel: wrong, right, then the next word with its letters open again")
            << 0 << QList<int>{0, 1, NextWord, 0}
            << QStringList{"casa,vocal,1,c,mal,0,1", "casa,vocal,2,a,bien,1,1", "sol,vocal,1,s,mal,1,2"};
        QTest::newRow("syllable: letters before the last are partial hits")
            << 1 << QList<int>{0, 1} << QStringList{"casa,silaba,1,c,acierto-parcial,0,0", "casa,silaba,2,a,bien,1,0"};
        QTest::newRow("accent: wrong letter, then the no-accent button")
            << 2 << QList<int>{1, NoAccentButton}
            << QStringList{"casa,tilde,2,a,mal,0,1", "casa,tilde,,sin-tilde,bien,1,1"};
        QTest::newRow("another list chosen: the word on screen is still kept under its own list")
            << 0 << QList<int>{0, OtherList, 1} << QStringList{"casa,vocal,1,c,mal,0,1", "casa,vocal,2,a,bien,1,1"};
    }

    void gamesWriteTheirRows()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, presses);
        QFETCH(QStringList, rows);
        Game game({"casa,2,ca,NO,", "sol,2,sol,NO,"}, mode, QStringLiteral("Núria"));
        // Loading and choosing the mode answer nothing, so they write nothing.
        QVERIFY(!QFileInfo::exists(game.data.filePath("tildora")));
        for (const int what : presses)
            game.press(what);
        const QByteArray bytes = game.dayFile();
        QVERIFY2(bytes.startsWith(resultsHeader()), bytes.constData());
        const QList<ResultRow> kept = parseResults(bytes);
        QCOMPARE(answered(kept), rows);
        const QDateTime ended = QDateTime::currentDateTime().addSecs(1);
        for (const ResultRow &r : kept) {
            QVERIFY(r.time >= game.started && r.time <= ended);
            QCOMPARE(r.child, QString("Núria"));
            QCOMPARE(r.exerciseFile, QString("01.txt"));
        }
    }

    void refusingFolderLeavesTheGameAlone()
    {
        Game game({"casa,2,ca,NO,", "sol,2,sol,NO,"}, 0, QStringLiteral("Ana"));
        testing::writeFile(game.folder());  // a file where the folder should be
        Form1 &f = *game.w.form;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("answers are not kept in .*resultados"));
        QTest::failOnWarning(QRegularExpression("answers are not kept"));
        game.press(0);
        game.press(1);
        QVERIFY(f.Gif89a1[0]->isVisible() && !f.Gif89a1[1]->isVisible());
        game.press(NextWord);
        game.press(0);
        QVERIFY(!f.Gif89a1[0]->isVisible() && f.Gif89a1[1]->isVisible());
        QVERIFY(!f.resultsLog()->waitWritten());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("3 answer.* were not kept"));
        QCOMPARE(f.Label1[0]->text(), QString("1"));
        QCOMPARE(f.Label1[1]->text(), QString("2"));
        // 8: the first praise drawn
        const QStringList sounds{game.w.tree.path("sonidos/fallo.wav"), game.w.tree.path("sonidos/8.wav")};
        QCOMPARE(game.w.sound.played.mid(0, 2), sounds);
        QCOMPARE(f.record().text(), QString("casa\ncasa\nsol\n"));
        QVERIFY(QFileInfo(game.folder()).isFile());
    }
    // A class at one computer: each child picks a name from the keyboard,
    // plays under it, and closing the game brings the names back for the
    // next child, who starts from nought.
    void classPicksTheirNames_data()
    {
        QTest::addColumn<bool>("fullScreen");
        QTest::newRow("in a window") << false;
        QTest::newRow("on a projector: the child closes the full screen") << true;
    }

    void classPicksTheirNames()
    {
        QFETCH(bool, fullScreen);
        Game game({"casa,2,ca,NO,", "sol,2,sol,NO,"}, 0);
        Form1 &f = *game.w.form;
        f.hide();
        const QString longName = "María-Jesús Fernández de la Peña y Rodríguez-Villalobos";
        ChildChooser chooser(f, {"Ana", "Luis & Pau", longName, "María-Jesús Fernández López"}, fullScreen);
        NamePicker &names = chooser.picker();
        chooser.showNames();
        QVERIFY(QTest::qWaitForWindowActive(&names));
        QCOMPARE(names.button(2)->accessibleName(), longName);
        // Long names that begin alike still read apart on their buttons.
        QCOMPARE_NE(names.button(2)->text(), names.button(3)->text());
        QCOMPARE(names.button(1)->text(), QString("Luis && Pau"));
        // Two names a row: down to the third, up again, right to the second.
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Right})
            QTest::keyClick(QApplication::focusWidget(), key);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(f.isVisible() && !names.isVisible());
        QCOMPARE(f.classroom().isFullScreen(), fullScreen);
        game.press(0);
        game.press(1);
        if (fullScreen)
            f.classroom().stage()->close();
        else
            QVERIFY(!f.close());
        QTRY_VERIFY(names.isVisible() && !f.isVisible());
        QCOMPARE(names.isFullScreen(), fullScreen);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(f.child(), QString("Ana"));
        QCOMPARE(f.Label1[0]->text() + f.Label1[1]->text() + f.record().text(), QString("00"));
        game.press(0);
        QStringList children;
        for (const ResultRow &r : parseResults(game.dayFile()))
            children << r.child;
        QCOMPARE(children, (QStringList{"Luis & Pau", "Luis & Pau", "Ana"}));
        QCOMPARE(answered(parseResults(game.dayFile())).last(), QString("casa,vocal,1,c,mal,0,1"));
    }

    void recordPanelCountsOneCharacterPerBreak()
    {
        QTextEdit edit;
        RecordPanel panel(&edit);
        CurrentItem item;
        AnswerState answer;
        item.CurrentWord = "casa";
        answer.ClickedPosition = 2;
        writeRecordLine(panel, item.CurrentWord, successStretch(item, answer, AnsweredBy::Letter), Qt::green);
        item.CurrentWord = "arbol";
        answer.AnswerMode = AccentMode;
        answer.ClickedPosition = 1;
        item.AccentLetter = QString("á");
        writeRecordLine(panel, item.CurrentWord, successStretch(item, answer, AnsweredBy::Letter), Qt::green);
        QCOMPARE(panel.text(), QString("casa\nárbol\n"));
        QCOMPARE(panel.colorAt(5), QColor(Qt::green));
        // After a coloured letter the next text is in the panel's own colour.
        QCOMPARE(panel.colorAt(6), QColor());
        // A longer accent field replaces the one letter with all its characters.
        item.CurrentWord = "sol";
        item.AccentLetter = "óó";
        writeRecordLine(panel, item.CurrentWord, successStretch(item, answer, AnsweredBy::Letter), Qt::green);
        QCOMPARE(panel.text(), QString("casa\nárbol\nóóol\n"));
        QCOMPARE(panel.colorAt(12), QColor(Qt::green));
        QCOMPARE(panel.colorAt(13), QColor());
        // Selections outside the text are cut to it.
        panel.select(-5, 3);
        panel.setSelectionColor(Qt::red);
        panel.replaceSelection("x");
        QCOMPARE(panel.text(), QString("xa\nárbol\nóóol\n"));
        // A runaway word is shown cut, its marked letter too when it lies beyond the cut.
        item.CurrentWord = QString(100000, 'a');
        answer.ClickedPosition = 99999;
        writeRecordLine(panel, item.CurrentWord, successStretch(item, answer, AnsweredBy::Letter), Qt::green);
        QCOMPARE(panel.text(), "xa\nárbol\nóóol\n" + QString(60, 'a') + QChar(0x2026) + "\n");
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
