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

std::optional<RecordStretch> successStretch(const ExerciseState &s)
{
    switch (s.AnswerMode) {
    case VowelMode:
        return sameLetter(s.CurrentWord, s.ClickedPosition);
    case SyllableMode: {
        const int length = int(s.StressedSyllable.size());
        if (s.SyllableStart < 1 || s.SyllableStart + length - 1 > s.CurrentWord.size())
            return std::nullopt;
        return RecordStretch{s.SyllableStart - 1, length, s.StressedSyllable};
    }
    case AccentMode:
        return letterAt(s.CurrentWord, s.ClickedPosition, s.AccentLetter);
    case NoAccentCheck:
        return sameLetter(s.CurrentWord, s.StressPosition);
    default:
        return std::nullopt;
    }
}

std::optional<RecordStretch> failureStretch(const ExerciseState &s)
{
    switch (s.AnswerMode) {
    case VowelMode:
    case SyllableMode:
    case AccentMode:
        return sameLetter(s.CurrentWord, s.ClickedPosition);
    case NoAccentCheck:
        return RecordStretch{0, int(s.CurrentWord.size()), s.CurrentWord};
    default:
        return std::nullopt;
    }
}
} // namespace tildora
