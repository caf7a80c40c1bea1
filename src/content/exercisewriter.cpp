#include "content/exercisewriter.h"

#include "content/regularfile.h"

namespace tildora {

QString formatExerciseLine(const ExerciseItem &item)
{
    QString line;
    line.reserve(item.word.size() + item.syllable.size() + item.accent.size() + item.sentence.size() + 9);
    line.append(item.word).append(u',').append(QString::number(item.position)).append(u',');
    line.append(item.syllable).append(u',').append(item.accent).append(u',');
    if (!item.sentence.isEmpty())
        line.append(item.sentence).append(u',');
    return line;
}

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
    return writeWholeFile(path, exerciseFileBytes(lines), error);
}

} // namespace tildora
