#include "authoring/textimport.h"

#include "authoring/accentrules.h"
#include "authoring/linecheck.h"
#include "authoring/stress.h"
#include "content/exerciselibrary.h"
#include "content/exerciseline.h"
#include "content/regularfile.h"
#include "content/textdecode.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tildora {
namespace {
// Context of this file's messages for the translations.
struct TextImport { Q_DECLARE_TR_FUNCTIONS(tildora::TextImport) };

// An entry cut at its first colon: the word and its sentence, when no comma
// comes before the colon (an exercise line's sentence may hold a colon).
struct Entry {
    QString word;
    std::optional<QString> sentence;
};

Entry splitEntry(QStringView entry)
{
    const qsizetype colon = entry.indexOf(u':');
    if (colon < 0 || entry.left(colon).contains(u','))
        return {entry.trimmed().toString(), std::nullopt};
    return {entry.left(colon).trimmed().toString(), entry.mid(colon + 1).trimmed().toString()};
}

std::optional<ExerciseItem> itemWithSentence(const QString &word, const std::optional<QString> &sentence, QString *why)
{
    auto item = itemFromWord(word, why);
    if (!item || !sentence)
        return item;
    const auto refuse = [why](const QString &reason) {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (sentence->isEmpty())
        return refuse(TextImport::tr("there is no sentence after the colon"));
    // Held as the window finds it, so that the line keeps its sentence there.
    const WordInSentence at = findWordInSentence(*sentence, item->word, item->accent, item->position);
    if (at.start < 0)
        return refuse(TextImport::tr("the sentence «%1» does not hold «%2» as a word of its own").arg(*sentence, word));
    // The child hears the sentence: a line that marks another accent would teach a wrong answer.
    const QString written = withWrittenAccent(item->word, item->position, item->accent);
    if (const QString spelled = sentence->mid(at.start, at.length); spelled.compare(written, Qt::CaseInsensitive) != 0)
        return refuse(TextImport::tr("the sentence writes «%1», not «%2»: type the word as the sentence has it")
                          .arg(spelled, written));
    item->sentence = *sentence;
    return item;
}

// A list copied from a document keeps its numbers and bullets ("1. mesa",
// "3) silla", "• lápiz", "- árbol"): they are no part of the word.
QStringView withoutListMarker(QStringView entry)
{
    static const QRegularExpression marker(QStringLiteral("^(?:\\d{1,3}[.)]\\s*|[-*]\\s+|[•◦▪‣●○■□►➢✓–—]\\s*)"));
    const QRegularExpressionMatch found = marker.match(entry.toString());
    return found.hasMatch() ? entry.mid(found.capturedLength()).trimmed() : entry;
}

} // namespace

std::optional<ExerciseItem> itemFromEntry(QStringView entry, QString *why)
{
    const Entry typed = splitEntry(entry);
    return itemWithSentence(typed.word, typed.sentence, why);
}

ImportedLines linesFromText(QStringView text, GivenLines given)
{
    ImportedLines imported;
    const ExerciseLines lines = splitExerciseLines(text.toString());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView entry = withoutListMarker(lines.at(i).trimmed());
        if (entry.isEmpty() || entry.startsWith(u'#'))
            continue;
        Entry typed = splitEntry(entry);
        const bool isLine = given == GivenLines::Kept && !typed.sentence && entry.contains(u',');
        const QStringView written = isLine ? splitExerciseLine(entry).word : QStringView(typed.word);
        QString why = wordLengthProblem(written);
        if (isLine && why.isEmpty()) {
            imported.lines << entry.toString();
            continue;
        }
        const QString number = QString::number(i + 1);
        if (!why.isEmpty()) {
            imported.problems << TextImport::tr("line %1: «%2»: %3").arg(number, shownWord(written), why);
            imported.leftOut << entry.toString();
            continue;
        }
        // The word as the rules write it today is what the child should see.
        if (const auto right = outdatedAccent(typed.word)) {
            imported.changed << TextImport::tr("line %1: %2; its line is made for «%3»").arg(number, right->why, right->word);
            typed.word = right->word;
        }
        if (const auto item = itemWithSentence(typed.word, typed.sentence, &why))
            imported.lines << formatExerciseLine(*item);
        else {
            imported.problems << TextImport::tr("line %1: «%2»: %3").arg(number, typed.word, why);
            imported.leftOut << entry.toString();
        }
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
