#include "authoring/textimport.h"

#include "authoring/stress.h"
#include "content/exerciselibrary.h"
#include "content/regularfile.h"
#include "content/textdecode.h"

#include <QCoreApplication>

namespace tildora {

ImportedLines linesFromText(QStringView text)
{
    ImportedLines imported;
    const ExerciseLines lines = splitExerciseLines(text.toString());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView entry = lines.at(i).trimmed();
        if (entry.isEmpty() || entry.startsWith(u'#'))
            continue;
        if (entry.contains(u',')) {
            imported.lines << entry.toString();
            continue;
        }
        QString why;
        if (const auto item = itemFromWord(entry, &why))
            imported.lines << formatExerciseLine(*item);
        else
            imported.problems << QCoreApplication::translate("tildora::TextImport", "line %1: «%2»: %3")
                                     .arg(i + 1)
                                     .arg(entry)
                                     .arg(why);
    }
    return imported;
}

ImportedLines linesFromBytes(const QByteArray &bytes)
{
    return linesFromText(decodeExerciseText(bytes));
}

ImportedLines linesFromFile(const QString &path)
{
    QString why;
    const std::optional<QByteArray> bytes = readRegularFile(path, MaxExerciseFileBytes, &why);
    if (!bytes) {
        ImportedLines failed;
        failed.problems << QCoreApplication::translate("tildora::TextImport", "cannot read %1: %2").arg(path, why);
        return failed;
    }
    return linesFromBytes(*bytes);
}

} // namespace tildora
