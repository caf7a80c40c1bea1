#include "authoring/listfile.h"

#include "authoring/textimport.h"
#include "content/exerciseline.h"
#include "content/regularfile.h"
#include "content/textdecode.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace tildora {

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
            opened.lines = lines.toStringList();
            return opened;
        }
    }
    const ImportedLines imported = linesFromBytes(bytes);
    opened.lines = imported.lines;
    opened.problems = imported.problems;
    opened.converted = !lines.isEmpty();
    return opened;
}

} // namespace tildora
