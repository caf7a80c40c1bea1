#include "authoring/listfile.h"

#include "authoring/linecheck.h"
#include "authoring/textimport.h"
#include "content/exerciseline.h"
#include "content/regularfile.h"
#include "content/textdecode.h"

#include <QCoreApplication>

namespace tildora {
namespace {

// An exercise file line for line, but for a line whose word is longer than
// any real word: that one is refused and told, before anything shows it.
void keepExerciseLines(const ExerciseLines &lines, OpenedList &opened)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView word = splitExerciseLine(lines.at(i)).word;
        if (const QString why = wordLengthProblem(word); !why.isEmpty())
            opened.problems << QCoreApplication::translate("tildora::ListFile", "line %1: «%2»: %3")
                                   .arg(QString::number(i + 1), shownWord(word), why);
        else
            opened.lines << lines.at(i).toString();
    }
}

} // namespace

OpenedList openListFile(const QString &path)
{
    OpenedList opened;
    const std::optional<QByteArray> read = readRegularFile(path, MaxExerciseFileBytes, &opened.error);
    if (!read)
        return opened;
    const QByteArray &bytes = *read;
    opened.readable = true;
    const ExerciseLines lines = splitExerciseLines(decodeExerciseText(bytes));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (splitExerciseLine(lines.at(i)).closedFields > 0) {
            keepExerciseLines(lines, opened);
            return opened;
        }
    }
    const ImportedLines imported = linesFromBytes(bytes);
    opened.lines = imported.lines;
    opened.problems = imported.problems;
    opened.changed = imported.changed;
    opened.converted = !lines.isEmpty();
    return opened;
}

} // namespace tildora
