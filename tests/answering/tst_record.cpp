// The record panel's offsets and colours, the judged stretch of each mode,
// and the praise draw.
#include "answering/praise.h"
#include "answering/record.h"

#include <QApplication>
#include <QTest>
#include <QTextEdit>

using namespace tildora;

class TestRecord : public QObject
{
    Q_OBJECT
private slots:
    void panelCountsOneCharacterPerBreak();
    void stretches_data();
    void stretches();
    void praiseSequence();
};

void TestRecord::panelCountsOneCharacterPerBreak()
{
    QTextEdit edit;
    RecordPanel panel(&edit);
    ExerciseState s;
    s.CurrentWord = "casa";
    s.ClickedPosition = 2;
    RecordSuccess(s, panel);
    QCOMPARE(panel.length(), 5);  // four letters and one line break
    s.CurrentWord = "arbol";
    s.AnswerMode = AccentMode;
    s.ClickedPosition = 1;
    s.AccentLetter = QString("á");
    RecordSuccess(s, panel);
    QCOMPARE(panel.text(), QString("casa\nárbol\n"));
    QCOMPARE(panel.length(), 11);
    QCOMPARE(panel.colorAt(1), QColor(Qt::green));
    QCOMPARE(panel.colorAt(5), QColor(Qt::green));
    // After a coloured letter the next text is in the panel's own colour.
    QCOMPARE(panel.colorAt(6), QColor());
    QCOMPARE(panel.colorAt(2), QColor());
    // A longer accent field replaces the one letter with all its characters.
    s.CurrentWord = "sol";
    s.AccentLetter = "óó";
    RecordSuccess(s, panel);
    QCOMPARE(panel.text(), QString("casa\nárbol\nóóol\n"));
    QCOMPARE(panel.colorAt(11), QColor(Qt::green));
    QCOMPARE(panel.colorAt(12), QColor(Qt::green));
    QCOMPARE(panel.colorAt(13), QColor());
    // Selections outside the text are cut to it.
    panel.select(-5, 3);
    panel.setSelectionColor(Qt::red);
    panel.replaceSelection("x");
    QCOMPARE(panel.text(), QString("xa\nárbol\nóóol\n"));
}

void TestRecord::stretches_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("stress");
    QTest::addColumn<int>("syllableStart");
    QTest::addColumn<QString>("syllable");
    QTest::addColumn<QString>("success");  // "start length text", or "none"
    QTest::addColumn<QString>("failure");
    QTest::newRow("vowel") << 0 << "casa" << 2 << 2 << 1 << "ca" << "1 1 a" << "1 1 a";
    QTest::newRow("syllable, second occurrence") << 1 << "papa" << 3 << 4 << 3 << "pa" << "2 2 pa" << "2 1 p";
    QTest::newRow("syllable not found") << 1 << "casa" << 1 << 2 << 0 << "xa" << "none" << "0 1 c";
    QTest::newRow("syllable past the end") << 1 << "casa" << 1 << 2 << 4 << "ab" << "none" << "0 1 c";
    QTest::newRow("accent") << 2 << "arbol" << 1 << 1 << 1 << "ar" << QString("0 1 á") << "0 1 a";
    QTest::newRow("no-accent check") << 3 << "casa" << 0 << 2 << 1 << "ca" << "1 1 a" << "0 4 casa";
    QTest::newRow("no-accent check, position 0") << 3 << "casa" << 0 << 0 << 1 << "ca" << "none" << "0 4 casa";
    QTest::newRow("no-accent check, past the word") << 3 << "casa" << 0 << 9 << 1 << "ca" << "none" << "0 4 casa";
    QTest::newRow("unknown mode") << 7 << "casa" << 1 << 2 << 1 << "ca" << "none" << "none";
}

void TestRecord::stretches()
{
    QFETCH(int, mode);
    ExerciseState s;
    s.AnswerMode = std::uint8_t(mode);
    QFETCH(QString, word);
    s.CurrentWord = word;
    QFETCH(int, clicked);
    s.ClickedPosition = clicked;
    QFETCH(int, stress);
    s.StressPosition = std::uint8_t(stress);
    QFETCH(int, syllableStart);
    s.SyllableStart = syllableStart;
    QFETCH(QString, syllable);
    s.StressedSyllable = syllable;
    s.AccentLetter = QString("á");
    const auto describe = [](const std::optional<RecordStretch> &r) {
        return r ? QString("%1 %2 %3").arg(r->start).arg(r->length).arg(r->text) : QString("none");
    };
    QTEST(describe(successStretch(s)), "success");
    QTEST(describe(failureStretch(s)), "failure");
}

void TestRecord::praiseSequence()
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

QTEST_MAIN(TestRecord)
#include "tst_record.moc"
