#include "authoring/filecheck.h"

#include "authoring/dictionary.h"
#include "authoring/stress.h"
#include "content/contentlocator.h"
#include "content/exerciseline.h"

#include <QHash>
#include <QCoreApplication>

namespace tildora {
namespace {
// Context of this file's messages for the translations.
struct FileCheck { Q_DECLARE_TR_FUNCTIONS(tildora::FileCheck) };
} // namespace
namespace {

LineProblem warning(const QString &message) { return {LineProblem::Warning, message}; }
LineProblem error(const QString &message) { return {LineProblem::Error, message}; }

// Does the line agree with the accent rules for its word as written?
QList<LineProblem> ruleProblems(const ExerciseLine &fields, int position)
{
    const QString written = withWrittenAccent(fields.word, position, fields.accent);
    QString why;
    const auto expected = itemFromWord(written, &why);
    if (!expected)
        return {warning(FileCheck::tr("«%1» cannot be cut into syllables: %2").arg(written, why))};
    if (expected->position != position)
        return {warning(FileCheck::tr("by the accent rules «%1» is stressed on letter %2 ('%3'), not on letter %4: "
                                       "is a written accent missing or wrong?")
                            .arg(written).arg(expected->position).arg(fields.word[expected->position - 1]).arg(position))};
    if (expected->syllable != fields.syllable)
        return {warning(FileCheck::tr("by the syllable rules the stressed syllable of «%1» is \"%2\", not \"%3\"")
                            .arg(written, expected->syllable, fields.syllable.toString()))};
    return {};
}

QList<LineProblem> contentProblems(const ExerciseLine &fields, const ContentLocator &content)
{
    QList<LineProblem> problems;
    QString reported;
    for (const QChar c : fields.word) {
        if (reported.contains(c))
            continue;
        reported += c;
        if (content.letterPicture(QString(c)).isEmpty())
            problems << error(FileCheck::tr("no letter picture %1/%2.gif")
                                  .arg(ContentLocator::folderName(ContentFolder::Letters), c));
    }
    const QString accent = fields.accent.toString();
    if (!isNoAccentMarker(accent) && content.accentedLetterPicture(accent).isEmpty())
        problems << error(FileCheck::tr("no accented-letter picture %1/%2.gif")
                              .arg(ContentLocator::folderName(ContentFolder::AccentedLetters), accent));
    const QString word = fields.word.toString();
    if (content.wordRecording(word).isEmpty())
        problems << warning(FileCheck::tr("no recording %1/%2.wav (tildora-author record makes it)")
                                .arg(ContentLocator::folderName(ContentFolder::WordSounds), word));
    return problems;
}

} // namespace

QList<FileProblem> checkExerciseLines(const ExerciseLines &lines, const SpanishDictionary *dictionary,
                                      const ContentLocator *content)
{
    QList<FileProblem> found;
    QHash<QString, int> firstLine;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = int(i) + 1;
        const QStringView line = lines.at(i);
        const auto add = [&](const LineProblem &p) { found.append({number, p}); };
        if (line.isEmpty()) {
            add(warning(FileCheck::tr("empty line: Tildora shows the previous word again")));
            continue;
        }
        const QList<LineProblem> structure = checkExerciseLine(line);
        for (const LineProblem &p : structure)
            add(p);
        const ExerciseLine fields = splitExerciseLine(line);
        if (fields.closedFields < 4 || !wordLengthProblem(fields.word).isEmpty())
            continue;
        const QString word = fields.word.toString();
        if (const auto seen = firstLine.constFind(word); seen != firstLine.constEnd())
            add(warning(FileCheck::tr("«%1» is already on line %2").arg(word).arg(*seen)));
        else
            firstLine.insert(word, number);
        if (content) {
            for (const LineProblem &p : contentProblems(fields, *content))
                add(p);
        }
        if (!structure.isEmpty())
            continue;  // the rules and the dictionary need a sound line
        const int position = fields.position.trimmed().toInt();
        for (const LineProblem &p : ruleProblems(fields, position))
            add(p);
        const QString written = withWrittenAccent(fields.word, position, fields.accent);
        if (dictionary && dictionary->isOpen() && !dictionary->knows(written)) {
            const QStringList better = dictionary->suggestions(written);
            add(warning(better.isEmpty()
                            ? FileCheck::tr("«%1» is not in the Spanish dictionary").arg(written)
                            : FileCheck::tr("«%1» is not in the Spanish dictionary; did you mean %2?")
                                  .arg(written, better.join(QStringLiteral(", ")))));
        }
    }
    return found;
}

QString formatProblem(const QString &file, const FileProblem &p)
{
    // One arg() for all, so a "%1" in the file name is never filled in.
    return QStringLiteral("%1:%2: %3: %4")
        .arg(file, QString::number(p.line),
             p.problem.severity == LineProblem::Error ? FileCheck::tr("error") : FileCheck::tr("warning"),
             p.problem.message);
}

} // namespace tildora
