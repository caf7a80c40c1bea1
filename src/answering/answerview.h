#pragma once

#include "answering/judgedanswer.h"
#include "answering/record.h"

#include <QColor>
#include <QPoint>
#include <QString>

#include <optional>

namespace tildora {

enum class Counter { Right = 0, Wrong = 1 };
enum class Animation { Yes, No };

// What answering asks of the window. Every decision is answering's; the
// view only shows, plays and writes what it is told, and hands out no
// widget, so a small fake stands in for it in tests.
class AnswerView
{
public:
    virtual ~AnswerView() = default;

    // Letter picture `index`: the colour its pressed area takes, a swap to
    // the accented picture (kept plain when there is none), and the fill of
    // the stroke or background at `at`, which also locks the letter.
    virtual void setLetterColor(int index, const QColor &color) = 0;
    virtual void showAccentedLetter(int index, const QString &accent) = 0;
    virtual void fillPressedArea(int index, QPoint at) = 0;

    virtual void setLetterStripEnabled(bool enabled) = 0;
    virtual void setNoAccentButtonEnabled(bool enabled) = 0;
    virtual void showModeButtons(int chosen) = 0;
    virtual void showNextItem() = 0;
    virtual void startBounce(int index) = 0;

    virtual void showCounter(Counter counter, int value) = 0;
    virtual void showAnimation(Animation shown) = 0;       // and hides the other
    virtual void playSound(const QString &name) = 0;       // a sound of the sound folder, by base name
    virtual void writeRecordLine(const QString &word, const std::optional<RecordStretch> &stretch,
                                 const QColor &color) = 0;

    // Once per judged press, after the counters were raised; the answer
    // carries them.
    virtual void answerJudged(const JudgedAnswer &answer) = 0;
};

} // namespace tildora
