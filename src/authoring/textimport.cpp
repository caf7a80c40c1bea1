#include "authoring/textimport.h"

#include "authoring/stress.h"
#include "content/exerciselibrary.h"
#include "content/textdecode.h"

#include <QCoreApplication>
#include <QFile>

namespace tildora {

ImportedLines linesFromText(QStringView text, GivenLines given)
{
    ImportedLines imported;
    const ExerciseLines lines = splitExerciseLines(text.toString());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView entry = lines.at(i).trimmed();
        if (entry.isEmpty() || entry.startsWith(u'#'))
            continue;
        if (given == GivenLines::Kept && entry.contains(u',')) {
            imported.lines << entry.toString();
            continue;
        }
        QString why;
        if (const auto item = itemFromWord(entry, &why))
            imported.lines << formatExerciseLine(*item);
        else
            imported.problems << QCoreApplication::translate("tildora::TextImport", "line %1: «%2»: %3")
                                     .arg(QString::number(i + 1), entry.toString(), why);
    }
    return imported;
}

ImportedLines linesFromBytes(const QByteArray &bytes)
{
    return linesFromText(decodeExerciseText(bytes));
}

ImportedLines linesFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ImportedLines failed;
        failed.problems << QCoreApplication::translate("tildora::TextImport", "cannot read %1: %2")
                               .arg(path, file.errorString());
        return failed;
    }
    return linesFromBytes(file.read(MaxExerciseFileBytes));
}

} // namespace tildora
