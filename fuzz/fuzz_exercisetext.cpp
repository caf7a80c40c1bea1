// An exercise file of any bytes: decoded, split into lines, every line cut
// into fields, checked as tildora-author checks it and taken as the window
// takes it.
#include "authoring/linecheck.h"
#include "content/exerciselibrary.h"
#include "content/exerciseline.h"
#include "content/currentitem.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tildora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const ExerciseLines lines = splitExerciseLines(decodeExerciseText(bytes));
    CurrentItem state;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines.at(i);
        if (line.contains(u'\r') || line.contains(u'\n'))
            std::abort();  // a line end left inside a line
        const ExerciseLine fields = splitExerciseLine(line);
        if (fields.closedFields < 0 || fields.closedFields > 4)
            std::abort();
        checkExerciseLine(line);
        const int position = fields.position.trimmed().toInt();
        const int start = markedSyllableStart(fields.word, fields.syllable, position);
        // When found, the marked occurrence is the syllable itself.
        if (start < 0 || (start > 0 && fields.word.mid(start - 1, fields.syllable.size()) != fields.syllable))
            std::abort();
        state.ItemIndex = int(i);
        parseCurrentItem(state, lines);
        if (state.ItemIndex != int(i) || (fields.closedFields >= 1 && state.CurrentWord != fields.word))
            std::abort();
    }
    // Past the last line the index wraps to the first.
    state.ItemIndex = int(lines.size());
    parseCurrentItem(state, lines);
    if (state.ItemIndex != 0)
        std::abort();
    return 0;
}
