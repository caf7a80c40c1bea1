#pragma once

#include "answering/judgedanswer.h"
#include "content/exercisestate.h"

#include <QColor>
#include <QImage>
#include <QString>

namespace tildora {

class LetterPicture;

// What answering needs from the window; the window gives it.
class AnswerView
{
public:
    virtual ~AnswerView() = default;
    virtual LetterPicture &letterPicture(int index) = 0;
    virtual void setLetterStripEnabled(bool enabled) = 0;
    virtual void setNoAccentButtonEnabled(bool enabled) = 0;
    virtual void startBounceTimer() = 0;
    virtual void raiseCounter(int counter) = 0;          // 0 right answers, 1 wrong answers
    virtual void showYesAnimation() = 0;                 // shows yes, then hides no
    virtual void playSound(const QString &name) = 0;     // a file of the sound folder
    virtual QImage accentPicture(const QString &accent) = 0;  // null when missing
    virtual int nextPraiseSound() = 0;
    virtual void RecordSuccess() = 0;
    virtual void RecordFailure() = 0;
    // Once per judged press, after the counters were raised.
    virtual void answerJudged(const JudgedAnswer &answer) = 0;
};

// Reads a counter caption as a number and gives the caption one higher.
QString raisedCounter(const QString &caption);

// A press on letter picture `index` at (x, y) of its picture, judged under
// AnswerMode, with all its feedback.
void Picture1_Mousedown(ExerciseState &state, AnswerView &view, int index, double x, double y);

// The no-accent button, judged while AnswerMode is the no-accent check.
void Command4_Click(ExerciseState &state, AnswerView &view);

} // namespace tildora
