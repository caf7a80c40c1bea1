#include "authoring/listfile.h"

#include "authoring/textimport.h"
#include "content/exerciseline.h"
#include "content/textdecode.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tildora {

QByteArray exerciseFileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

bool saveExerciseFile(const QString &path, const QStringList &lines, QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = exerciseFileBytes(lines);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

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
