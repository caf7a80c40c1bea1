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
    return fields;
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
}

} // namespace tildora
