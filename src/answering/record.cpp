#include "answering/record.h"

#include "platform/units.h"

namespace tildora {
namespace {

std::optional<RecordStretch> letterAt(const QString &word, int position, const QString &text)
{
    if (position < 1 || position > word.size())
        return std::nullopt;
    return RecordStretch{position - 1, 1, text};
}

std::optional<RecordStretch> sameLetter(const QString &word, int position)
{
    return letterAt(word, position, position >= 1 && position <= word.size() ? QString(word[position - 1]) : QString());
}

} // namespace

std::optional<RecordStretch> successStretch(const CurrentItem &item, const AnswerState &answer, AnsweredBy by)
{
    if (by == AnsweredBy::NoAccentButton)
        return sameLetter(item.CurrentWord, item.StressPosition);
    switch (answer.AnswerMode) {
    case VowelMode:
        return sameLetter(item.CurrentWord, answer.ClickedPosition);
    case SyllableMode: {
        const int length = int(item.StressedSyllable.size());
        if (answer.SyllableStart < 1 || answer.SyllableStart + length - 1 > item.CurrentWord.size())
            return std::nullopt;
        return RecordStretch{answer.SyllableStart - 1, length, item.StressedSyllable};
    }
    case AccentMode:
        return letterAt(item.CurrentWord, answer.ClickedPosition, item.AccentLetter);
    default:
        return std::nullopt;
    }
}

std::optional<RecordStretch> failureStretch(const CurrentItem &item, const AnswerState &answer, AnsweredBy by)
{
    if (by == AnsweredBy::NoAccentButton)
        return RecordStretch{0, int(item.CurrentWord.size()), item.CurrentWord};
    switch (answer.AnswerMode) {
    case VowelMode:
    case SyllableMode:
    case AccentMode:
        return sameLetter(item.CurrentWord, answer.ClickedPosition);
    default:
        return std::nullopt;
    }
}
} // namespace tildora
