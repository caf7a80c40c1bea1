// Answering through the window: what answering decides reaches the letters,
// counters, sounds, animations and record; the bounce and the mode buttons.
#include "platform/gifview.h"
#include "platform/letterstrip.h"
#include "platform/picturebutton.h"

#include "../support/testcontent.h"

#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace tildora;
using testing::Window;

namespace {

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

class TestForm1Answers : public QObject
{
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void pressedLetterTakesNoSecondPress();
    void bounce();
    void modeSwitch_data();
    void modeSwitch();
};

void TestForm1Answers::answers_data()
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

void TestForm1Answers::answers()
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

void TestForm1Answers::pressedLetterTakesNoSecondPress()
{
    Window w({"casa,2,ca,NO,"});
    w.load();
    w.form->show();
    LetterPicture *c = w.form->Picture2->letter(0);
    QTest::mouseClick(c, Qt::LeftButton, {}, Corner);
    QTest::mouseClick(c, Qt::LeftButton, {}, Corner);
    QCOMPARE(w.form->Label1[1]->text(), QString("1"));
    QCOMPARE(w.form->record().text(), QString("casa\n"));
}

void TestForm1Answers::bounce()
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

void TestForm1Answers::modeSwitch_data()
{
    QTest::addColumn<int>("nexts");        // next-button presses after start-up
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("itemIndex");
    QTest::addColumn<QList<int>>("blue");  // mode buttons with the blue background
    QTest::addColumn<bool>("noAccent");
    QTest::newRow("back to vowel mode") << -1 << 0 << "uno" << 1 << QList<int>{0} << false;
    QTest::newRow("written-accent mode") << 0 << 2 << "uno" << 1 << QList<int>{2} << true;
    QTest::newRow("from the last line") << 2 << 1 << "tres" << 3 << QList<int>{1} << false;
}

void TestForm1Answers::modeSwitch()
{
    QFETCH(int, nexts);
    QFETCH(int, button);
    Window w({"uno,1,u,NO,", "dos,2,dos,NO,", "tres,3,tres,NO,"});
    w.load();
    w.form->show();
    if (nexts < 0)
        w.form->Command2_Click(1);
    for (int i = 0; i < nexts; ++i)
        w.form->Command1_Click();
    QTest::mouseClick(w.form->Picture2->letter(0), Qt::LeftButton, {}, Corner);  // an answer in the record
    const QString record = w.form->record().text();
    w.form->Command2_Click(button);
    QTEST(w.state().CurrentWord, "word");
    QTEST(w.state().ItemIndex, "itemIndex");
    QList<int> blue;
    for (int i = 0; i < 3; ++i)
        if (w.form->Command2[i]->background() == QColor(Qt::blue))
            blue << i;
    QTEST(blue, "blue");
    QTEST(w.form->Command4->isEnabled(), "noAccent");
    QVERIFY(w.form->Picture2->letter(0)->isEnabled());
    QCOMPARE(w.form->record().text(), record);

    // Right after another file is chosen (index 0), a mode button shows its first line.
    w.form->Combo1_Click();
    w.form->Command2_Click(0);
    QCOMPARE(w.state().CurrentWord, QString("uno"));
    QCOMPARE(w.state().ItemIndex, 1);
}

QTEST_MAIN(TestForm1Answers)
#include "tst_form1_answers.moc"
