#include "content/exerciseline.h"

#include "content/numberreader.h"

#include <algorithm>

namespace tildora {

ExerciseLine splitExerciseLine(QStringView line)
{
    ExerciseLine fields;
    QStringView *const targets[] = {&fields.word, &fields.position, &fields.syllable, &fields.accent};
    // One pass over the line; a field without its closing comma stays unset.
    const QChar *const chars = line.data();
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size() && fields.closedFields < 4; ++i) {
        if (chars[i] != u',')
            continue;
        *targets[fields.closedFields++] = line.mid(start, i - start);
        start = i + 1;
    }
    if (fields.closedFields == 4)
        fields.rest = line.mid(start);
    return fields;
}

QString withoutWrittenAccents(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out) {
        // Only the acute accent is a written accent; ñ and ü are letters of their own.
        static const QString accented = QStringLiteral("áéíóúÁÉÍÓÚ");
        static const QString plain = QStringLiteral("aeiouAEIOU");
        if (const qsizetype i = accented.indexOf(c); i >= 0)
            c = plain[i];
    }
    return out;
}

namespace {

bool isWordEdge(QStringView text, qsizetype at)
{
    return at < 0 || at >= text.size() || !text[at].isLetter();
}

} // namespace

WordInSentence findWordInSentence(QStringView sentence, QStringView word, QStringView accent, int stressPosition)
{
    if (word.isEmpty())
        return {};
    QString spelled = word.toString();
    if (!isNoAccentMarker(accent.toString()) && stressPosition >= 1 && stressPosition <= word.size())
        spelled.replace(stressPosition - 1, 1, accent.toString());
    const QString plainSentence = withoutWrittenAccents(sentence);
    const QString plainWord = withoutWrittenAccents(word);
    WordInSentence first;
    for (qsizetype at = plainSentence.indexOf(plainWord, 0, Qt::CaseInsensitive); at >= 0;
         at = plainSentence.indexOf(plainWord, at + 1, Qt::CaseInsensitive)) {
        if (!isWordEdge(sentence, at - 1) || !isWordEdge(sentence, at + word.size()))
            continue;
        const WordInSentence found{at, word.size()};
        if (sentence.mid(at, word.size()).compare(spelled, Qt::CaseInsensitive) == 0)
            return found;
        if (first.start < 0)
            first = found;
    }
    return first;
}

QStringView fifthField(const ExerciseLine &fields)
{
    QStringView field = fields.rest.trimmed();
    if (field.endsWith(u','))
        field.chop(1);
    return field.trimmed();
}

QString lineSentence(const ExerciseLine &fields)
{
    const QStringView sentence = fifthField(fields);
    if (sentence.isEmpty() || findWordInSentence(sentence, fields.word, fields.accent, 0).start < 0)
        return {};
    return sentence.toString();
}

bool isNoAccentMarker(const QString &accent)
{
    return accent.toUpper() == QLatin1String("NO");
}

int markedSyllableStart(QStringView word, QStringView syllable, int stressPosition)
{
    qsizetype start = word.indexOf(syllable) + 1;
    // Only one more occurrence is ever looked for.
    if (start + syllable.size() - 1 < stressPosition)
        start = start > 0 ? word.indexOf(syllable, start) + 1 : 0;
    return int(start);
}

namespace {

// Copies into the string's own storage when it can, so that stepping through
// a file does not allocate for every field.
void assign(QString &target, QStringView text)
{
    if (!target.isDetached() || target.capacity() < text.size()) {
        target = text.toString();
        return;
    }
    target.resize(text.size());
    std::copy(text.begin(), text.end(), target.begin());
}

} // namespace

void parseCurrentItem(CurrentItem &state, const ExerciseLines &lines)
{
    if (state.ItemIndex < 0 || state.ItemIndex >= lines.size())
        state.ItemIndex = 0;
    if (lines.isEmpty())
        return;
    const ExerciseLine fields = splitExerciseLine(lines.at(state.ItemIndex));
    if (fields.closedFields >= 1)
        assign(state.CurrentWord, fields.word);
    if (fields.closedFields >= 2) {
        if (const auto position = readWholeNumber(fields.position, 0, 255))
            state.StressPosition = std::uint8_t(*position);
    }
    if (fields.closedFields >= 3)
        assign(state.StressedSyllable, fields.syllable);
    if (fields.closedFields >= 4)
        assign(state.AccentLetter, fields.accent);
    // The sentence belongs to its line: a line without one shows none.
    state.Sentence = fields.closedFields == 4 ? lineSentence(fields) : QString();
}

} // namespace tildora
