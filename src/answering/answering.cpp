#include "answering/answering.h"

#include "content/exerciseline.h"
#include "content/numberreader.h"
#include "platform/units.h"

#include <algorithm>
#include <climits>

namespace tildora {

void markStressedSyllable(AnswerState &answer, const CurrentItem &item)
{
    const int length = int(item.StressedSyllable.size());
    answer.SyllableStart = markedSyllableStart(item.CurrentWord, item.StressedSyllable, item.StressPosition);
    // Room for every position of the word, and for the positions 0..L-1 that a
    // syllable missing from the word marks.
    const int positions = std::max<int>(int(item.CurrentWord.size()), length) + 1;
    answer.SyllableMask.assign(std::size_t(std::max(positions, 16)), false);
    for (int p = answer.SyllableStart; p < answer.SyllableStart + length; ++p)
        answer.SyllableMask[std::size_t(p)] = true;
    answer.SyllableHits = 0;
}

void Answering::judgeLetterPress(int index, double x, double y)
{
    m_answer.ClickedPosition = index + 1;
    const QString pressed = m_item.CurrentWord.mid(index, 1);
    const bool atStress = m_answer.ClickedPosition == m_item.StressPosition;
    std::optional<JudgedAnswer::Result> result;

    switch (m_answer.AnswerMode) {
    case VowelMode:
        if (atStress) {
            right(index, colorFromBgr(bgr::Blue), QString::number(m_praise.nextSound()), true, AnsweredBy::Letter);
            result = JudgedAnswer::Right;
        }
        break;
    case SyllableMode: {
        const auto mark = std::size_t(m_answer.ClickedPosition);
        if (mark < m_answer.SyllableMask.size() && m_answer.SyllableMask[mark]) {
            m_view.setLetterColor(index, colorFromBgr(bgr::Green));
            result = JudgedAnswer::PartialHit;
            if (++m_answer.SyllableHits == m_item.StressedSyllable.size()) {
                right(index, colorFromBgr(bgr::Green), QString::number(m_praise.nextSound()), false,
                      AnsweredBy::Letter);
                result = JudgedAnswer::Right;
            }
        }
        break;
    }
    case AccentMode:
        if (!isNoAccentMarker(m_item.AccentLetter) && atStress) {
            // A missing accented picture keeps the plain letter; the answer counts.
            m_view.showAccentedLetter(index, m_item.AccentLetter);
            right(index, colorFromBgr(bgr::Blue), QStringLiteral("acento"), true, AnsweredBy::Letter);
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
        wrong(AnsweredBy::Letter);
        result = JudgedAnswer::Wrong;
    }
    // Paint the pressed stroke or background in the letter's colour, show
    // it, and lock the letter.
    m_view.fillPressedArea(index, QPoint(int(roundHalfEven(x)), int(roundHalfEven(y))));
    judged(m_answer.ClickedPosition, pressed, *result);
}

void Answering::judgeNoAccentButton()
{
    const bool isRight = isNoAccentMarker(m_item.AccentLetter);
    if (isRight)
        right(-1, {}, QStringLiteral("noacento"), false, AnsweredBy::NoAccentButton);
    else
        wrong(AnsweredBy::NoAccentButton);  // counted like a wrong letter, so the counter and the results agree
    judged(0, QStringLiteral("sin-tilde"), isRight ? JudgedAnswer::Right : JudgedAnswer::Wrong);
}

void Answering::chooseMode(int index)
{
    if (m_item.ItemIndex > 0)
        --m_item.ItemIndex;
    if (index >= 0 && index <= 2) {
        m_answer.AnswerMode = std::uint8_t(index);
        m_view.showModeButtons(index);
        m_view.setNoAccentButtonEnabled(index == AccentMode);
    }
    m_view.showNextItem();
}

void Answering::wordDrawn() { markStressedSyllable(m_answer, m_item); }

void Answering::itemShown()
{
    // Open in written-accent mode until the item is answered; shut otherwise.
    m_view.setNoAccentButtonEnabled(m_answer.AnswerMode == AccentMode);
}

// A right answer: the letter (none for the no-accent button) in its colour,
// the bounce, the green record line, the word and the no-accent button
// locked, the count, the sound and the yes animation.
void Answering::right(int index, const QColor &color, const QString &sound, bool bounce, AnsweredBy by)
{
    if (index >= 0)
        m_view.setLetterColor(index, color);
    if (bounce)
        m_view.startBounce(index);
    m_view.writeRecordLine(m_item.CurrentWord, successStretch(m_item, m_answer, by), colorFromBgr(bgr::Green));
    m_view.setLetterStripEnabled(false);
    m_view.setNoAccentButtonEnabled(false);
    raise(Counter::Right);
    m_view.playSound(sound);
    m_view.showAnimation(Animation::Yes);
}

// A wrong answer: the no animation, the failure sound, the red record line,
// the count.
void Answering::wrong(AnsweredBy by)
{
    m_view.showAnimation(Animation::No);
    m_view.playSound(QStringLiteral("fallo"));
    m_view.writeRecordLine(m_item.CurrentWord, failureStretch(m_item, m_answer, by), colorFromBgr(bgr::Red));
    raise(Counter::Wrong);
}

void Answering::judged(int position, const QString &pressed, JudgedAnswer::Result result)
{
    m_view.answerJudged({position, pressed, result, m_answer.score});
}

void Answering::raise(Counter counter)
{
    int &value = counter == Counter::Right ? m_answer.score.right : m_answer.score.wrong;
    if (value < INT_MAX)  // a caption that could never read back wrong
        ++value;
    m_view.showCounter(counter, value);
}

} // namespace tildora
