// The record panel's offsets and colours, and the praise draw. The judged
// stretch of each mode is tested with answering (tst_answers).
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
    void praiseSequence();
};

void TestRecord::panelCountsOneCharacterPerBreak()
{
    QTextEdit edit;
    RecordPanel panel(&edit);
    ExerciseState s;
    s.CurrentWord = "casa";
    s.ClickedPosition = 2;
    writeRecordLine(panel, s.CurrentWord, successStretch(s), Qt::green);
    QCOMPARE(panel.length(), 5);  // four letters and one line break
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
