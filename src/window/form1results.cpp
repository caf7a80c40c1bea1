// Form1 keeps each judged answer for the teacher.
#include "window/form1.h"
#include "answering/judgedanswer.h"
#include "results/resultslog.h"


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

} // namespace

void Form1::keepAnswers(const QString &resultsFolder, const QString &child)
{
    m_results = std::make_unique<ResultsLog>(resultsFolder);
    m_child = child;
}

void Form1::answerJudged(const JudgedAnswer &answer)
{
    if (!m_results)
        return;
    m_results->append({QDateTime::currentDateTime(), m_child, m_shownFile, m_item.CurrentWord,
                       modeName(m_answer.AnswerMode), answer.position, answer.pressed, resultName(answer.result),
                       answer.score.right, answer.score.wrong});
}

} // namespace tildora
