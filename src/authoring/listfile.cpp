#include "authoring/listfile.h"

#include "authoring/textimport.h"
#include "content/exerciseline.h"
#include "content/textdecode.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace tildora {

OpenedList openListFile(const QString &path)
{
    OpenedList opened;
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        opened.error = QFileInfo(path).isDir()
                           ? QCoreApplication::translate("tildora::ListFile", "it is a folder")
                           : file.errorString();
        return opened;
    }
    const QByteArray bytes = file.read(MaxExerciseFileBytes);
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
