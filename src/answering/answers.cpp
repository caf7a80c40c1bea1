#include "answering/answers.h"

#include "content/exerciseline.h"
#include "content/numberreader.h"
#include "platform/floodfill.h"
#include "platform/letterpicture.h"
#include "platform/units.h"

#include <cmath>
#include <optional>

namespace tildora {
namespace {

void startBounce(ExerciseState &state, AnswerView &view, int index)
{
    state.AnimLetter = index;
    state.BounceTop = state.LetterTop;
    view.startBounceTimer();
}

void wrong(AnswerView &view, LetterPicture &letter, std::optional<JudgedAnswer::Result> &judged)
{
    judged = JudgedAnswer::Wrong;
    letter.setFillColor(colorFromBgr(bgr::Red));
    view.RecordFailure();
    view.raiseCounter(1);
}

void closeRight(AnswerView &view)
{
    view.setLetterStripEnabled(false);
    view.raiseCounter(0);
}

// A right answer by letter in vowel or syllable mode ends with praise.
void praise(AnswerView &view)
{
    view.RecordSuccess();
    closeRight(view);
    view.playSound(QString::number(view.nextPraiseSound()) + QStringLiteral(".wav"));
    view.showYesAnimation();
}

} // namespace

QString raisedCounter(const QString &caption)
{
    const double value = roundHalfEven(readNumber(caption)) + 1;
    return QString::number(value, 'f', 0);
}

void Picture1_Mousedown(ExerciseState &state, AnswerView &view, int index, double x, double y)
{
    state.ClickedPosition = index + 1;
    LetterPicture &letter = view.letterPicture(index);
    std::optional<JudgedAnswer::Result> judged = JudgedAnswer::Right;

    switch (state.AnswerMode) {
    case VowelMode:
        if (state.ClickedPosition == state.StressPosition) {
            letter.setFillColor(colorFromBgr(bgr::Blue));
            startBounce(state, view, index);
            praise(view);
        } else {
            wrong(view, letter, judged);
        }
        break;
    case SyllableMode: {
        const auto mark = std::size_t(state.ClickedPosition);
        if (mark < state.SyllableMask.size() && state.SyllableMask[mark]) {
            letter.setFillColor(colorFromBgr(bgr::Green));
            ++state.SyllableHits;
            if (state.SyllableHits == state.StressedSyllable.size())
                praise(view);
            else
                judged = JudgedAnswer::PartialHit;
        } else {
            wrong(view, letter, judged);
        }
        break;
    }
    case AccentMode:
        if (isNoAccentMarker(state.AccentLetter) || state.ClickedPosition != state.StressPosition) {
            wrong(view, letter, judged);
            break;
        }
        // A missing accented picture keeps the plain letter; the answer counts.
        if (const QImage accented = view.accentPicture(state.AccentLetter); !accented.isNull())
            letter.setPicture(accented);
        letter.setFillColor(colorFromBgr(bgr::Blue));
        startBounce(state, view, index);
        view.RecordSuccess();
        closeRight(view);
        view.setNoAccentButtonEnabled(false);
        view.playSound(QStringLiteral("acento.wav"));
        view.showYesAnimation();
        break;
    default:
        judged.reset();
        break;
    }

    // Paint the pressed stroke or background in the fill colour, show it,
    // and lock the letter.
    const QPoint at(int(roundHalfEven(x)), int(roundHalfEven(y)));
    floodFill(letter.keptImage(), at, letter.fillColor().rgb());
    letter.update();
    letter.setEnabled(false);
    if (judged)
        view.answerJudged({state.ClickedPosition, state.CurrentWord.mid(index, 1), *judged});
}

void Command4_Click(ExerciseState &state, AnswerView &view)
{
    state.AnswerMode = NoAccentCheck;
    if (isNoAccentMarker(state.AccentLetter)) {
        view.RecordSuccess();
        view.setLetterStripEnabled(false);
        view.raiseCounter(0);
        view.playSound(QStringLiteral("noacento.wav"));
        view.showYesAnimation();
        view.setNoAccentButtonEnabled(false);
    } else {
        view.RecordFailure();
    }
    state.AnswerMode = AccentMode;
    view.answerJudged({0, QStringLiteral("sin-tilde"),
                       isNoAccentMarker(state.AccentLetter) ? JudgedAnswer::Right : JudgedAnswer::Wrong});
}

} // namespace tildora
