#pragma once

#include "answering/answerview.h"
#include "answering/praise.h"
#include "content/exercisestate.h"

namespace tildora {

// Reads a counter caption as a number and gives the caption one higher.
QString raisedCounter(const QString &caption);

// Judges the child's answers and gives all their feedback: colours, sounds,
// animations, record lines, counters, locks, the mode switch and the state
// of the no-accent button.
class Answering
{
public:
    Answering(ExerciseState &state, AnswerView &view) : m_state(state), m_view(view) {}

    // A press on letter picture `index` at (x, y) of its picture, judged
    // under AnswerMode.
    void judgeLetterPress(int index, double x, double y);
    // The no-accent button, judged as the no-accent check.
    void judgeNoAccentButton();
    // A mode button: the same item again under mode `index` (0..2; any other
    // index keeps the mode and only shows the item again).
    void chooseMode(int index);
    // After the next item is shown.
    void itemShown();

private:
    void right(int index, const QColor &color, const QString &sound, bool bounce);
    void wrong();
    void judged(int position, const QString &pressed, JudgedAnswer::Result result);
    void raise(Counter counter);

    ExerciseState &m_state;
    AnswerView &m_view;
    PraiseDraw m_praise;
};

} // namespace tildora
