// Answering without a window: what each press asks of the view, in order;
// the record panel's offsets and colours, and the praise draw.
#include "answering/answering.h"
#include "answering/praise.h"
#include "answering/record.h"
#include "window/recordpanel.h"
#include "content/exerciselibrary.h"
#include "content/exerciseline.h"
#include "fakeanswerview.h"
#include "presentation/worddrawing.h"

#include <QApplication>
#include <QTest>
#include <QTextEdit>

using namespace tildora;

namespace {

constexpr int NoAccentButton = -1;

struct Stage {
    ExerciseState state;
    testing::FakeAnswerView view;
    Answering answering{state, view};

    Stage(const QString &line, int mode)
    {
        parseCurrentItem(state, ExerciseLines::fromStringList({line}));
        markStressedSyllable(state);
        state.AnswerMode = std::uint8_t(mode);
    }
    // Letter presses at (1.5, 2.5) of the picture; NoAccentButton for the button.
    QString press(const QList<int> &presses)
    {
        for (const int p : presses)
            p == NoAccentButton ? answering.judgeNoAccentButton() : answering.judgeLetterPress(p, 1.5, 2.5);
        return view.log.join(' ');
    }
};

} // namespace

class TestAnswering : public QObject
{
    Q_OBJECT
private slots:
    void presses_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<QString>("asked");

        const int N = NoAccentButton;
        QTest::newRow("vowel, position 0 makes every press wrong")
            << 0 << "casa,0,ca,NO," << QList<int>{1}
            << "red1 no sound:fallo record:casa[1,1,a]red wrong=1 fill1@2,2 judged:2a:wrong";
        QTest::newRow("vowel, wrong then right at a two-digit position: acompañamiento")
            << 0 << "acompañamiento,11,mien,NO," << QList<int>{0, 10}
            << "red0 no sound:fallo record:acompañamiento[0,1,a]red wrong=1 fill0@2,2 judged:1a:wrong blue10 bounce10 "
               "record:acompañamiento[10,1,e]green lock noaccent:off right=1 sound:8 yes fill10@2,2 judged:11e:right";
        QTest::newRow("syllable, a hit, a wrong s, the last hit")
            << 1 << "casa,2,ca,NO," << QList<int>{0, 2, 1}
            << "green0 fill0@2,2 judged:1c:partial red2 no sound:fallo record:casa[2,1,s]red wrong=1 fill2@2,2 "
               "judged:3s:wrong green1 green1 record:casa[0,2,ca]green lock noaccent:off right=1 sound:8 yes fill1@2,2 "
               "judged:2a:right";
        QTest::newRow("accent, right: árbol")
            << 2 << "arbol,1,ar,á," << QList<int>{0}
            << "accent0:á blue0 bounce0 record:arbol[0,1,á]green lock noaccent:off right=1 sound:acento yes "
               "fill0@2,2 judged:1a:right";
        QTest::newRow("accent, other letter of árbol")
            << 2 << "arbol,1,ar,á," << QList<int>{2}
            << "red2 no sound:fallo record:arbol[2,1,b]red wrong=1 fill2@2,2 judged:3b:wrong";
        QTest::newRow("accent, stressed letter of a word without accent")
            << 2 << "casa,1,ca,No," << QList<int>{0}
            << "red0 no sound:fallo record:casa[0,1,c]red wrong=1 fill0@2,2 judged:1c:wrong";
        QTest::newRow("no-accent button, right")
            << 2 << "casa,2,ca,no," << QList<int>{N}
            << "record:casa[1,1,a]green lock noaccent:off right=1 sound:noacento yes judged:0sin-tilde:right";
        QTest::newRow("no-accent button, wrong: the whole word red, no count")
            << 2 << "arbol,1,ar,á," << QList<int>{N}
            << "no sound:fallo record:arbol[0,5,arbol]red judged:0sin-tilde:wrong";
        QTest::newRow("no-accent button, blank before NO is wrong")
            << 2 << "casa,2,ca, NO," << QList<int>{N}
            << "no sound:fallo record:casa[0,4,casa]red judged:0sin-tilde:wrong";
        QTest::newRow("no-accent button, position 0 colours nothing")
            << 2 << "casa,0,ca,NO," << QList<int>{N}
            << "record:casa[]green lock noaccent:off right=1 sound:noacento yes judged:0sin-tilde:right";
        QTest::newRow("not an answer mode: painted and locked only")
            << 3 << "casa,2,ca,NO," << QList<int>{1} << "fill1@2,2";
    }

    void presses()
    {
        QFETCH(int, mode);
        QFETCH(QString, line);
        QFETCH(QList<int>, presses);
        Stage s(line, mode);
        QTEST(s.press(presses), "asked");
        // The no-accent check lives only while the button is judged.
        QCOMPARE(s.state.AnswerMode, std::uint8_t(presses.contains(NoAccentButton) ? AccentMode : mode));
    }

    void modes_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("asked");
        QTest::newRow("back to vowel mode") << 1 << 0 << "mode0 noaccent:off next";
        QTest::newRow("written-accent mode") << 0 << 2 << "mode2 noaccent:on next";
        QTest::newRow("unknown button keeps the mode") << 2 << 7 << "next";
        QTest::newRow("negative button keeps the mode") << 1 << -1 << "next";
    }

    void modes()
    {
        QFETCH(int, from);
        QFETCH(int, button);
        Stage s("casa,2,ca,NO,", from);
        s.state.ItemIndex = 2;
        s.answering.chooseMode(button);
        QTEST(s.view.log.join(' '), "asked");
        QCOMPARE(s.state.ItemIndex, 1);  // the next item, from 2 before the button
        QCOMPARE(int(s.state.AnswerMode), button >= 0 && button <= 2 ? button : from);
        // Right after a file is chosen the index stays at its first line.
        s.state.ItemIndex = 0;
        s.answering.chooseMode(button);
        QCOMPARE(s.state.ItemIndex, 0);
        // The next item opens the no-accent button in written-accent mode only.
        s.view.log.clear();
        s.answering.itemShown();
        QCOMPARE(s.view.log, QStringList{s.state.AnswerMode == AccentMode ? "noaccent:on" : "noaccent:off"});
    }

    void countersCountOn_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("raised");
        QTest::newRow("from nine to ten") << "9" << "10";
        QTest::newRow("half rounds to even first") << "2.5" << "3";
    }

    void countersCountOn()
    {
        QFETCH(QString, caption);
        Stage s("casa,2,ca,NO,", VowelMode);
        s.view.captions[0] = caption;
        s.view.captions[1] = caption;
        s.answering.judgeLetterPress(1, 0, 0);
        QTEST(s.view.captions[0], "raised");
    }

    void panelCountsOneCharacterPerBreak()
    {
        QTextEdit edit;
        RecordPanel panel(&edit);
        ExerciseState s;
        s.CurrentWord = "casa";
        s.ClickedPosition = 2;
        writeRecordLine(panel, s.CurrentWord, successStretch(s), Qt::green);
        s.CurrentWord = "arbol";
        s.AnswerMode = AccentMode;
        s.ClickedPosition = 1;
        s.AccentLetter = QString("á");
        writeRecordLine(panel, s.CurrentWord, successStretch(s), Qt::green);
        QCOMPARE(panel.text(), QString("casa\nárbol\n"));
        QCOMPARE(panel.colorAt(5), QColor(Qt::green));
        // After a coloured letter the next text is in the panel's own colour.
        QCOMPARE(panel.colorAt(6), QColor());
        // A longer accent field replaces the one letter with all its characters.
        s.CurrentWord = "sol";
        s.AccentLetter = "óó";
        writeRecordLine(panel, s.CurrentWord, successStretch(s), Qt::green);
        QCOMPARE(panel.text(), QString("casa\nárbol\nóóol\n"));
        QCOMPARE(panel.colorAt(12), QColor(Qt::green));
        QCOMPARE(panel.colorAt(13), QColor());
        // Selections outside the text are cut to it.
        panel.select(-5, 3);
        panel.setSelectionColor(Qt::red);
        panel.replaceSelection("x");
        QCOMPARE(panel.text(), QString("xa\nárbol\nóóol\n"));
    }

    void praiseSequence()
    {
        // The same sequence every run: the classic generator's first values.
        PraiseDraw draw;
        QCOMPARE(draw.nextUniform(), 0.7055475f);
        QCOMPARE(draw.nextUniform(), 0.533424f);
        QCOMPARE(draw.nextUniform(), 0.5795186f);
        PraiseDraw sounds;
        QList<int> first;
        for (int i = 0; i < 6; ++i)
            first << sounds.nextSound();
        QCOMPARE(first, (QList<int>{8, 6, 6, 3, 4, 8}));
        // Never 0 or 11, and every sound of 1 to 10 comes.
        QList<int> seen(12, 0);
        for (int i = 0; i < 1 << 16; ++i)
            ++seen[sounds.nextSound()];
        QCOMPARE(seen[0], 0);
        QCOMPARE(seen[11], 0);
        for (int n = 1; n <= 10; ++n)
            QVERIFY(seen[n] > 5000);
    }
};

QTEST_MAIN(TestAnswering)
#include "tst_answering.moc"
