#pragma once

#include "answering/answerstate.h"
#include "answering/answerview.h"
#include "answering/praise.h"
#include "answering/record.h"

namespace tildora {

// Judges the child's answers and gives all their feedback: colours, sounds,
// animations, record lines, counters, locks, the mode switch and the state
// of the no-accent button. It owns the decisions; the view only shows them.
class Answering
{
public:
    Answering(CurrentItem &item, AnswerState &answer, AnswerView &view) : m_item(item), m_answer(answer), m_view(view)
    {
    }

    // A press on letter picture `index` at (x, y) of its picture, judged
    // under AnswerMode.
    void judgeLetterPress(int index, double x, double y);
    // The no-accent button: right when the word takes no written accent.
    void judgeNoAccentButton();
    // A mode button: the same item again under mode `index` (0..2; any other
    // index keeps the mode and only shows the item again).
    void chooseMode(int index);
    // A new word is on screen: its syllable is marked, nothing is found yet.
    void wordDrawn();
    // After the next item is shown.
    void itemShown();

    const Score &score() const { return m_answer.score; }

private:
    void right(int index, const QColor &color, const QString &sound, bool bounce, AnsweredBy by);
    void wrong(AnsweredBy by);
    void judged(int position, const QString &pressed, JudgedAnswer::Result result);
    void raise(Counter counter);

    CurrentItem &m_item;
    AnswerState &m_answer;
    AnswerView &m_view;
    PraiseDraw m_praise;
};

} // namespace tildora
