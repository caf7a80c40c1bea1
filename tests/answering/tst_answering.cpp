// Answering without a window: what each press shows, plays, writes and
// counts; the praise draw.
#include "answering/answering.h"
#include "answering/praise.h"
#include "answering/record.h"
#include "content/exerciselibrary.h"
#include "content/exerciseline.h"
#include "fakeanswerview.h"

#include <QApplication>
#include <QTest>

using namespace tildora;

namespace {

constexpr int NoAccentButton = -1;

struct Stage {
    CurrentItem item;
    AnswerState answer;
    testing::FakeAnswerView view;
    Answering answering{item, answer, view};

    Stage(const QString &line, int mode)
    {
        parseCurrentItem(item, ExerciseLines::fromStringList({line}));
        markStressedSyllable(answer, item);
        answer.AnswerMode = std::uint8_t(mode);
    }
    // Letter presses at (1.5, 2.5) of the picture; NoAccentButton for the button.
    void press(const QList<int> &presses)
    {
        for (const int p : presses)
            p == NoAccentButton ? answering.judgeNoAccentButton() : answering.judgeLetterPress(p, 1.5, 2.5);
    }
    // The filled letters, "index:colour", an accented picture before its colour.
    QString letters() const
    {
        QStringList out;
        for (auto it = view.letters.cbegin(); it != view.letters.cend(); ++it)
            out << QString::number(it.key()) + ':' + it.value();
        return out.join(' ');
    }
    // The animation shown, the strip, the no-accent button, the bouncing letter.
    QString shown() const
    {
        static const char *const button[] = {"untouched", "off", "on"};
        return QString("%1 %2 %3 %4")
            .arg(view.animation, view.stripOpen ? "open" : "locked", button[view.noAccentButton + 1],
                 view.bounce < 0 ? "-" : "bounce" + QString::number(view.bounce));
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
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("sound");  // the last one started, the one heard
        QTest::addColumn<QStringList>("judged");
        QTest::addColumn<QString>("shown");

        const int N = NoAccentButton;
        const QString wrongShown = "no open untouched -";
        QTest::newRow("vowel, position 0 makes every press wrong")
            << 0 << "casa,0,ca,NO," << QList<int>{1} << "1:red" << QStringList{"casa[1,1,a]red"} << "fallo"
            << QStringList{"2a:wrong 0/1"} << wrongShown;
        QTest::newRow("vowel, wrong then right at a two-digit position: acompañamiento")
            << 0 << "acompañamiento,11,mien,NO," << QList<int>{0, 10} << "0:red 10:blue"
            << QStringList{"acompañamiento[0,1,a]red", "acompañamiento[10,1,e]green"} << "8"
            << QStringList{"1a:wrong 0/1", "11e:right 1/1"} << "yes locked off bounce10";
        QTest::newRow("syllable, a hit, a wrong s, the last hit")
            << 1 << "casa,2,ca,NO," << QList<int>{0, 2, 1} << "0:green 1:green 2:red"
            << QStringList{"casa[2,1,s]red", "casa[0,2,ca]green"} << "8"
            << QStringList{"1c:partial 0/0", "3s:wrong 0/1", "2a:right 1/1"} << "yes locked off -";
        QTest::newRow("accent, right: árbol")
            << 2 << "arbol,1,ar,á," << QList<int>{0} << "0:áblue" << QStringList{"arbol[0,1,á]green"} << "acento"
            << QStringList{"1a:right 1/0"} << "yes locked off bounce0";
        QTest::newRow("accent, other letter of árbol")
            << 2 << "arbol,1,ar,á," << QList<int>{2} << "2:red" << QStringList{"arbol[2,1,b]red"} << "fallo"
            << QStringList{"3b:wrong 0/1"} << wrongShown;
        QTest::newRow("accent, stressed letter of a word without accent")
            << 2 << "casa,1,ca,No," << QList<int>{0} << "0:red" << QStringList{"casa[0,1,c]red"} << "fallo"
            << QStringList{"1c:wrong 0/1"} << wrongShown;
        QTest::newRow("no-accent button, right")
            << 2 << "casa,2,ca,no," << QList<int>{N} << "" << QStringList{"casa[1,1,a]green"} << "noacento"
            << QStringList{"0sin-tilde:right 1/0"} << "yes locked off -";
        QTest::newRow("no-accent button, wrong twice: the whole word red, counted each time")
            << 2 << "arbol,1,ar,á," << QList<int>{N, N} << ""
            << QStringList{"arbol[0,5,arbol]red", "arbol[0,5,arbol]red"} << "fallo"
            << QStringList{"0sin-tilde:wrong 0/1", "0sin-tilde:wrong 0/2"} << wrongShown;
        QTest::newRow("no-accent button, blank before NO is wrong")
            << 2 << "casa,2,ca, NO," << QList<int>{N} << "" << QStringList{"casa[0,4,casa]red"} << "fallo"
            << QStringList{"0sin-tilde:wrong 0/1"} << wrongShown;
        QTest::newRow("no-accent button, position 0 colours nothing")
            << 2 << "casa,0,ca,NO," << QList<int>{N} << "" << QStringList{"casa[]green"} << "noacento"
            << QStringList{"0sin-tilde:right 1/0"} << "yes locked off -";
        QTest::newRow("not an answer mode: painted and locked only")
            << 3 << "casa,2,ca,NO," << QList<int>{1} << "1:" << QStringList{} << "" << QStringList{}
            << "none open untouched -";
    }

    void presses()
    {
        QFETCH(int, mode);
        QFETCH(QString, line);
        QFETCH(QList<int>, presses);
        QFETCH(QStringList, judged);
        Stage s(line, mode);
        s.press(presses);
        QTEST(s.letters(), "letters");
        QTEST(s.view.records, "records");
        QTEST(s.view.sounds.value(s.view.sounds.size() - 1), "sound");
        QCOMPARE(s.view.judged, judged);
        // The counters shown are the ones the last answer carries.
        const QString shownCounters = QString("%1/%2").arg(s.view.counters[0]).arg(s.view.counters[1]);
        QCOMPARE(shownCounters, judged.isEmpty() ? QString("0/0") : judged.last().section(' ', 1));
        QTEST(s.shown(), "shown");
        QCOMPARE(int(s.answer.AnswerMode), mode);  // an answer never changes the mode
    }

    void modes_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("buttons");  // the mode button shown chosen, -1 for none touched
        QTest::addColumn<int>("noAccent");  // the no-accent button: -1 untouched, 0 off, 1 on
        QTest::newRow("back to vowel mode") << 1 << 0 << 0 << 0;
        QTest::newRow("written-accent mode") << 0 << 2 << 2 << 1;
        QTest::newRow("unknown button keeps the mode") << 2 << 7 << -1 << -1;
        QTest::newRow("negative button keeps the mode") << 1 << -1 << -1 << -1;
    }

    void modes()
    {
        QFETCH(int, from);
        QFETCH(int, button);
        Stage s("casa,2,ca,NO,", from);
        s.item.ItemIndex = 2;
        s.answering.chooseMode(button);
        QTEST(s.view.modeButtons, "buttons");
        QTEST(s.view.noAccentButton, "noAccent");
        QCOMPARE(s.view.nextShown, 1);
        QCOMPARE(s.item.ItemIndex, 1);  // the next item, from 2 before the button
        QCOMPARE(int(s.answer.AnswerMode), button >= 0 && button <= 2 ? button : from);
        // Right after a file is chosen the index stays at its first line.
        s.item.ItemIndex = 0;
        s.answering.chooseMode(button);
        QCOMPARE(s.item.ItemIndex, 0);
        // The next item opens the no-accent button in written-accent mode only.
        s.answering.itemShown();
        QCOMPARE(s.view.noAccentButton, int(s.answer.AnswerMode == AccentMode));
    }

    void syllableMarks_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("syllable");
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("positions");
        QTest::newRow("papa stressed at 4: second pa") << "papa" << 4 << "pa" << 3 << QList<int>{3, 4};
        QTest::newRow("syllable missing marks 0..L-1") << "casa" << 2 << "xyz" << 0 << QList<int>{0, 1, 2};
        QTest::newRow("empty syllable marks nothing") << "casa" << 2 << "" << 2 << QList<int>{};
        QTest::newRow("case-sensitive search") << "Casa" << 2 << "ca" << 0 << QList<int>{0, 1};
        QTest::newRow("a word of 300 letters, marked past letter 255")
            << QString(249, QLatin1Char('b')) + "cas" + QString(48, QLatin1Char('b')) << 251 << "cas" << 250
            << QList<int>{250, 251, 252};
    }

    void syllableMarks()
    {
        QFETCH(QString, word);
        QFETCH(int, position);
        QFETCH(QString, syllable);
        CurrentItem item;
        item.CurrentWord = word;
        item.StressPosition = std::uint8_t(position);
        item.StressedSyllable = syllable;
        AnswerState answer;
        answer.SyllableHits = 3;
        markStressedSyllable(answer, item);
        QTEST(answer.SyllableStart, "start");
        QList<int> positions;
        for (std::size_t p = 0; p < answer.SyllableMask.size(); ++p)
            if (answer.SyllableMask[p])
                positions << int(p);
        QTEST(positions, "positions");
        QCOMPARE(answer.SyllableHits, 0);
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
