#include "authoring/filecheck.h"

#include "authoring/dictionary.h"

#include <QCoreApplication>

#include <algorithm>

namespace tildora {
namespace {
// Context of this file's messages for the translations.
struct FileCheckText { Q_DECLARE_TR_FUNCTIONS(tildora::FileCheck) };
} // namespace

FileCheck::FileCheck(const SpanishDictionary *dictionary, const ContentLocator *content)
{
    m_check.setDictionary(dictionary);
    m_check.setContent(content);
}

QList<FileProblem> FileCheck::check(const ExerciseLines &lines)
{
    const QStringList text = lines.toStringList();
    const QList<CheckedLine> checked = m_check.check(text);
    QList<FileProblem> found;
    // A teacher checking the wrong file, one the saving lost, or a list of
    // plain words that has not been made into lines yet: said once.
    const auto firstWithText = std::find_if(text.begin(), text.end(), [](const QString &l) { return !l.trimmed().isEmpty(); });
    if (firstWithText == text.end()) {
        found.append({1, {LineProblem::Warning, FileCheckText::tr("no words: Tildora has nothing to show from this list")}});
    } else if (std::none_of(text.begin(), text.end(), [](const QString &l) { return l.contains(u','); })) {
        found.append({int(firstWithText - text.begin()) + 1,
                      {LineProblem::Error, FileCheckText::tr("no line has a comma: these are plain words, not exercise "
                                                             "lines (word,position,syllable,accent,); "
                                                             "tildora-author make turns words into lines")}});
        return found;
    }
    for (qsizetype i = 0; i < checked.size(); ++i) {
        QList<LineProblem> problems = checked.at(i).problems;
        if (checked.at(i).unknownWord) {
            // A forgotten accent is found at once; other words take hunspell's
            // slow look, as many as the limit allows.
            const QString &written = checked.at(i).written;
            QStringList better = m_check.dictionary()->accentSuggestions(written);
            if (better.isEmpty() && m_suggestionsLeft != 0) {
                better = m_check.suggestions(text.at(i));
                m_suggestionsLeft -= m_suggestionsLeft > 0;
            } else if (better.isEmpty()) {
                ++m_unsuggested;
            }
            // The word the dictionary lacks is told last; its suggestions join it.
            problems.last().message = LiveCheck::unknownWordMessage(written, better);
        }
        for (const LineProblem &p : std::as_const(problems))
            found.append({int(i) + 1, p});
    }
    return found;
}

QList<FileProblem> checkExerciseLines(const ExerciseLines &lines, const SpanishDictionary *dictionary,
                                      const ContentLocator *content)
{
    return FileCheck(dictionary, content).check(lines);
}

QString formatProblem(const QString &file, const FileProblem &p)
{
    // One arg() for all, so a "%1" in the file name is never filled in.
    return QStringLiteral("%1:%2: %3: %4")
        .arg(file, QString::number(p.line),
             p.problem.severity == LineProblem::Error ? FileCheckText::tr("error") : FileCheckText::tr("warning"),
             p.problem.message);
}

} // namespace tildora
