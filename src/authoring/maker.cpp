#include "authoring/maker.h"

#include "authoring/textimport.h"
#include "content/exercisewriter.h"

namespace tildora {

QStringList makeLines(QStringView words, QStringList *problems)
{
    // A line that is already an exercise line is no word to make one of.
    ImportedLines made = linesFromText(words, GivenLines::Refused);
    if (problems)
        *problems << made.problems << made.changed;
    return made.lines;
}

QByteArray makeExerciseLines(QStringView words, QStringList *problems)
{
    return exerciseFileBytes(makeLines(words, problems));
}

} // namespace tildora
