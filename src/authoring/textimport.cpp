#include "authoring/textimport.h"

#include "authoring/linecheck.h"
#include "authoring/stress.h"
#include "content/exerciseline.h"
#include "content/exerciselibrary.h"
#include "content/regularfile.h"
#include "content/textdecode.h"

#include <QCoreApplication>

namespace tildora {

ImportedLines linesFromText(QStringView text, GivenLines given)
{
    ImportedLines imported;
    const ExerciseLines lines = splitExerciseLines(text.toString());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView entry = lines.at(i).trimmed();
        if (entry.isEmpty() || entry.startsWith(u'#'))
            continue;
        const bool isLine = given == GivenLines::Kept && entry.contains(u',');
        const QStringView word = isLine ? splitExerciseLine(entry).word : entry;
        QString why = wordLengthProblem(word);
        if (isLine && why.isEmpty()) {
            imported.lines << entry.toString();
            continue;
        }
        if (const auto item = why.isEmpty() ? itemFromWord(entry, &why) : std::nullopt)
            imported.lines << formatExerciseLine(*item);
        else
            imported.problems << QCoreApplication::translate("tildora::TextImport", "line %1: «%2»: %3")
                                     .arg(QString::number(i + 1), shownWord(word), why);
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
