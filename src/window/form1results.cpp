// Form1 keeps each judged answer for the teacher.
#include "window/form1.h"
#include "answering/judgedanswer.h"
#include "content/exerciseline.h"
#include "results/resultslog.h"
#include "results/resultsplace.h"

#include <QTextEdit>


namespace tildora {
namespace {

QString modeName(std::uint8_t mode)
{
    switch (mode) {
    case VowelMode:
        return results::Vowel;
    case SyllableMode:
        return results::Syllable;
    default:  // the written-accent mode
        return results::Accent;
    }
}

QString resultName(JudgedAnswer::Result result)
{
    switch (result) {
    case JudgedAnswer::Right:
        return results::Right;
    case JudgedAnswer::PartialHit:
        return results::PartialHit;
    case JudgedAnswer::Wrong:
        break;
    }
    return results::Wrong;
}

// The word as the child is taught to write it: the line's accented letter in
// place of its stressed vowel.
QString writtenWord(const CurrentItem &state)
{
    QString written = state.CurrentWord;
    const int at = state.StressPosition;
    if (at >= 1 && at <= written.size() && !state.AccentLetter.isEmpty() && !isNoAccentMarker(state.AccentLetter))
        written.replace(at - 1, 1, state.AccentLetter);
    return written;
}

} // namespace

void Form1::keepAnswers(const QString &resultsFolder, const QString &child, const QString &sharedAs,
                        const QString &fallback)
{
    m_results = std::make_unique<ResultsLog>(resultsFolder, sharedAs, fallback);
    m_child = child;
    m_computer = computerName();
}

void Form1::newChild(const QString &child)
{
    m_child = child;
    m_answer.score = {};
    showCounter(Counter::Right, 0);
    showCounter(Counter::Wrong, 0);
    RichTextBox1->clear();
    m_record.select(0, 0);
    // The list from its first word, as for a child who has just sat down.
    m_item.ItemIndex = 0;
    Command1_Click();
}

void Form1::answerJudged(const JudgedAnswer &answer)
{
    if (!m_results)
        return;
    m_results->append({QDateTime::currentDateTime(), m_child, m_shownFile, m_item.CurrentWord,
                       modeName(m_answer.AnswerMode), answer.position, answer.pressed, resultName(answer.result),
                       answer.score.right, answer.score.wrong, writtenWord(m_item), m_computer});
}

} // namespace tildora
