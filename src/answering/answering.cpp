#include "answering/answering.h"

#include "content/exerciseline.h"
#include "content/numberreader.h"
#include "platform/units.h"

namespace tildora {

QString raisedCounter(const QString &caption)
{
    const double value = roundHalfEven(readNumber(caption)) + 1;
    return QString::number(value, 'f', 0);
}

void Answering::judgeLetterPress(int index, double x, double y)
{
    m_state.ClickedPosition = index + 1;
    const QString pressed = m_state.CurrentWord.mid(index, 1);
    const bool atStress = m_state.ClickedPosition == m_state.StressPosition;
    std::optional<JudgedAnswer::Result> result;

    switch (m_state.AnswerMode) {
    case VowelMode:
        if (atStress) {
            right(index, colorFromBgr(bgr::Blue), QString::number(m_praise.nextSound()), true);
            result = JudgedAnswer::Right;
        }
        break;
    case SyllableMode: {
        const auto mark = std::size_t(m_state.ClickedPosition);
        if (mark < m_state.SyllableMask.size() && m_state.SyllableMask[mark]) {
            m_view.setLetterColor(index, colorFromBgr(bgr::Green));
            result = JudgedAnswer::PartialHit;
            if (++m_state.SyllableHits == m_state.StressedSyllable.size()) {
                right(index, colorFromBgr(bgr::Green), QString::number(m_praise.nextSound()), false);
                result = JudgedAnswer::Right;
            }
        }
        break;
    }
    case AccentMode:
        if (!isNoAccentMarker(m_state.AccentLetter) && atStress) {
            // A missing accented picture keeps the plain letter; the answer counts.
            m_view.showAccentedLetter(index, m_state.AccentLetter);
            right(index, colorFromBgr(bgr::Blue), QStringLiteral("acento"), true);
            result = JudgedAnswer::Right;
        }
        break;
    default:
        // Not an answer: the letter is only painted and locked.
        m_view.fillPressedArea(index, QPoint(int(roundHalfEven(x)), int(roundHalfEven(y))));
        return;
    }
    if (!result) {
        m_view.setLetterColor(index, colorFromBgr(bgr::Red));
        wrong();
        raise(Counter::Wrong);
        result = JudgedAnswer::Wrong;
    }
    // Paint the pressed stroke or background in the letter's colour, show
    // it, and lock the letter.
    m_view.fillPressedArea(index, QPoint(int(roundHalfEven(x)), int(roundHalfEven(y))));
    judged(m_state.ClickedPosition, pressed, *result);
}

void Answering::judgeNoAccentButton()
{
    m_state.AnswerMode = NoAccentCheck;
    const bool isRight = isNoAccentMarker(m_state.AccentLetter);
    if (isRight)
        right(-1, {}, QStringLiteral("noacento"), false);
    else
        wrong();  // the button counts no wrong answer
    m_state.AnswerMode = AccentMode;
    judged(0, QStringLiteral("sin-tilde"), isRight ? JudgedAnswer::Right : JudgedAnswer::Wrong);
}

void Answering::chooseMode(int index)
{
    if (m_state.ItemIndex > 0)
        --m_state.ItemIndex;
    if (index >= 0 && index <= 2) {
        m_state.AnswerMode = std::uint8_t(index);
        m_view.showModeButtons(index);
        m_view.setNoAccentButtonEnabled(index == AccentMode);
    }
    m_view.showNextItem();
}

void Answering::itemShown()
{
    // Open in written-accent mode until the item is answered; shut otherwise.
    m_view.setNoAccentButtonEnabled(m_state.AnswerMode == AccentMode);
}

// A right answer: the letter (none for the no-accent button) in its colour,
// the bounce, the green record line, the word and the no-accent button
// locked, the count, the sound and the yes animation.
void Answering::right(int index, const QColor &color, const QString &sound, bool bounce)
{
    if (index >= 0)
        m_view.setLetterColor(index, color);
    if (bounce)
        m_view.startBounce(index);
    m_view.writeRecordLine(m_state.CurrentWord, successStretch(m_state), colorFromBgr(bgr::Green));
    m_view.setLetterStripEnabled(false);
    m_view.setNoAccentButtonEnabled(false);
    raise(Counter::Right);
    m_view.playSound(sound);
    m_view.showAnimation(Animation::Yes);
}

// A wrong answer: the no animation, the failure sound, the red record line.
void Answering::wrong()
{
    m_view.showAnimation(Animation::No);
    m_view.playSound(QStringLiteral("fallo"));
    m_view.writeRecordLine(m_state.CurrentWord, failureStretch(m_state), colorFromBgr(bgr::Red));
}

void Answering::judged(int position, const QString &pressed, JudgedAnswer::Result result)
{
    m_view.answerJudged({position, pressed, result});
}

void Answering::raise(Counter counter)
{
    m_view.setCounterCaption(counter, raisedCounter(m_view.counterCaption(counter)));
}

} // namespace tildora
