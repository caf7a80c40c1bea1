#include "authoring/textimport.h"

#include "authoring/accentrules.h"
#include "authoring/linecheck.h"
#include "authoring/stress.h"
#include "content/exerciseline.h"
#include "content/exerciselibrary.h"
#include "content/regularfile.h"
#include "content/textdecode.h"

#include <QCoreApplication>

namespace tildora {
namespace {
// Context of this file's messages for the translations.
struct TextImport { Q_DECLARE_TR_FUNCTIONS(tildora::TextImport) };
} // namespace

ImportedLines linesFromText(QStringView text, GivenLines given)
{
    ImportedLines imported;
    const ExerciseLines lines = splitExerciseLines(text.toString());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView entry = lines.at(i).trimmed();
        if (entry.isEmpty() || entry.startsWith(u'#'))
            continue;
        const bool isLine = given == GivenLines::Kept && entry.contains(u',');
        const QStringView written = isLine ? splitExerciseLine(entry).word : entry;
        QString why = wordLengthProblem(written);
        if (isLine && why.isEmpty()) {
            imported.lines << entry.toString();
            continue;
        }
        const QString number = QString::number(i + 1);
        if (!why.isEmpty()) {
            imported.problems << TextImport::tr("line %1: «%2»: %3").arg(number, shownWord(written), why);
            continue;
        }
        QString word = entry.toString();
        // The word as the rules write it today is what the child should see.
        if (const auto right = outdatedAccent(word)) {
            imported.problems << TextImport::tr("line %1: %2; its line is made for «%3»").arg(number, right->why, right->word);
            word = right->word;
        }
        if (const auto item = itemFromWord(word, &why))
            imported.lines << formatExerciseLine(*item);
        else
            imported.problems << TextImport::tr("line %1: «%2»: %3").arg(number, word, why);
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
        failed.problems << TextImport::tr("cannot read %1: %2").arg(path, why);
        return failed;
    }
    return linesFromBytes(*bytes);
}

} // namespace tildora
