// The main window over small content trees: start-up, next word, replay,
// wrap, and hostile lines.
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
    void nextWalksAndWraps();
    void recordingsAndReplay();
    void hostileLineOpensNothingOutside();
    void startUpWithoutContent();
};

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
}

void TestForm1Window::startUpWithoutContent()
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

QTEST_MAIN(TestForm1Window)
#include "tst_form1_window.moc"
