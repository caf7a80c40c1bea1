// The main window over small content trees: start-up, next word, replay,
// wrap, the no-accent button after the next button, and hostile lines.
#include "startup/form1.h"

#include "platform/gifview.h"
#include "platform/letterstrip.h"
#include "platform/picturebutton.h"

#include "../support/testcontent.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace tildora;

using testing::Window;

class TestForm1Window : public QObject
{
    Q_OBJECT
private slots:
    void startUpState();
    void designPlaces_data();
    void designPlaces();
    void nextWalksAndWraps();
    void recordingsAndReplay();
    void noAccentButtonAfterNext_data();
    void noAccentButtonAfterNext();
    void hostileLineOpensNothingOutside();
    void startUpWithoutContent();
};

void TestForm1Window::startUpState()
{
    Window w({"casa,2,ca,NO,", "sol,2,sol,NO,"});
    w.tree.recording("casa");
    w.form->Form_Load();
    Form1 &f = *w.form;
    QCOMPARE(w.state().LetterTop, 600);
    QCOMPARE(w.state().Picture2Top, 4680);
    QCOMPARE(w.state().CurrentWord, QString("casa"));
    QCOMPARE(w.state().ItemIndex, 1);
    QCOMPARE(f.Picture2->count(), 4);
    QVERIFY(f.Picture2->isEnabled());
    QVERIFY(f.Command3->isEnabled());
    QCOMPARE(w.sound.played, QStringList{w.tree.path("sonidospalabras/casa.wav")});
    QCOMPARE(f.Gif89a1[0]->file(), w.tree.path("gifs/si.gif"));
    QCOMPARE(f.Gif89a1[1]->file(), w.tree.path("gifs/no.gif"));
    QVERIFY(f.Gif89a1[0]->isHidden() && f.Gif89a1[1]->isHidden());
    QVERIFY(!f.Command4->isEnabled());
    QVERIFY(f.Picture4->isHidden());
    QCOMPARE(f.Picture2->letter(0)->fillColor(), QColor(Qt::red));
    QVERIFY(f.startupProblems().isEmpty());
    // The background is tiled from its top-left corner with the texture.
    const QImage window = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(window.size(), QSize(739, 491));
    QCOMPARE(window.pixel(0, 0), f.Picture3.pixel(0, 0));
    QCOMPARE(window.pixel(730, 480), f.Picture3.pixel(730 % 125, 480 % 117));
    QVERIFY(f.windowTitle().startsWith("Tildora 1.1"));
    QCOMPARE(f.size(), QSize(739, 491));
}

void TestForm1Window::designPlaces_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Combo1") << "Combo1" << QRect(8, 8, 345, 30);
    QTest::newRow("Command5") << "Command5" << QRect(376, 8, 41, 33);
    QTest::newRow("Command2(1)") << "Command2(1)" << QRect(144, 48, 137, 129);
    QTest::newRow("Command4") << "Command4" << QRect(280, 176, 137, 129);
    QTest::newRow("Picture4") << "Picture4" << QRect(8, 48, 409, 257);
    QTest::newRow("RichTextBox1") << "RichTextBox1" << QRect(448, 32, 265, 185);
    QTest::newRow("Gif89a1(1)") << "Gif89a1(1)" << QRect(592, 240, 65, 65);
    QTest::newRow("Label1(0)") << "Label1(0)" << QRect(496, 248, 81, 65);
    QTest::newRow("Picture1(0) in Picture2") << "Picture1(0)" << QRect(8, 40, 89, 105);
}

void TestForm1Window::designPlaces()
{
    QFETCH(QString, control);
    Window w({"casa,2,ca,NO,"});
    Form1 &f = *w.form;
    const QList<QPair<QString, QWidget *>> controls{
        {"Combo1", f.Combo1}, {"Command5", f.Command5}, {"Command2(1)", f.Command2[1]},
        {"Command4", f.Command4}, {"Picture4", f.Picture4}, {"RichTextBox1", f.RichTextBox1},
        {"Gif89a1(1)", f.Gif89a1[1]}, {"Label1(0)", f.Label1[0]}, {"Picture1(0)", f.Picture2->letter(0)}};
    QWidget *widget = nullptr;
    for (const auto &[name, w] : controls)
        if (name == control)
            widget = w;
    QVERIFY(widget);
    QTEST(widget->geometry(), "pixels");
    // Before start-up the credits card lies over the buttons.
    QVERIFY(f.Picture4->isVisibleTo(&f));
}

void TestForm1Window::nextWalksAndWraps()
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
    QCOMPARE(w.form->Picture2->count(), 3);
}

void TestForm1Window::recordingsAndReplay()
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

void TestForm1Window::noAccentButtonAfterNext_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("vowel mode") << 0 << false;
    QTest::newRow("syllable mode") << 1 << false;
    QTest::newRow("written-accent mode") << 2 << true;
}

void TestForm1Window::noAccentButtonAfterNext()
{
    QFETCH(int, mode);
    Window w({"casa,2,ca,NO,", "sol,2,sol,NO,"});
    w.load();
    w.state().AnswerMode = std::uint8_t(mode);
    QTest::mouseClick(w.form->Command1, Qt::LeftButton);
    QTEST(w.form->Command4->isEnabled(), "enabled");
}

void TestForm1Window::hostileLineOpensNothingOutside()
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
    QCOMPARE(w.form->Picture2->count(), 3);
}

void TestForm1Window::startUpWithoutContent()
{
    QTemporaryDir empty;
    testing::FakeSound sound;
    Form1 form(empty.path(), &sound);
    form.Form_Load();
    QVERIFY(!form.startupProblems().isEmpty());
    QCOMPARE(form.Combo1->count(), 0);
    QCOMPARE(form.List1.size(), 0);
    QCOMPARE(form.state().CurrentWord, QString());
    QCOMPARE(form.state().ItemIndex, 1);
    // The next button and the replay button keep working on nothing.
    form.Command1_Click();
    form.Command3_Click();
    QVERIFY(sound.played.isEmpty());
}

QTEST_MAIN(TestForm1Window)
#include "tst_form1_window.moc"
