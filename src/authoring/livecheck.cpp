#include "authoring/livecheck.h"

#include "authoring/dictionary.h"
#include "authoring/filecheck.h"
#include "authoring/stress.h"
#include "content/exerciseline.h"

#include <QCoreApplication>

namespace tildora {
namespace {

// The written word of a line whose fields are sound, else empty.
QString writtenWord(const QString &line)
{
    if (!checkExerciseLine(line).isEmpty())
        return {};
    const ExerciseLine fields = splitExerciseLine(line);
    return withWrittenAccent(fields.word, fields.position.trimmed().toInt(), fields.accent);
}

} // namespace

bool CheckedLine::hasError() const
{
    for (const LineProblem &p : problems)
        if (p.severity == LineProblem::Error)
            return true;
    return false;
}

void LiveCheck::setContent(const ContentLocator *content)
{
    m_content = content;
    m_lines.clear();
}

void LiveCheck::setDictionary(const SpanishDictionary *dictionary)
{
    m_dictionary = dictionary;
    m_lines.clear();
    m_suggestions.clear();
}

const CheckedLine &LiveCheck::lineOnItsOwn(const QString &line)
{
    if (const auto known = m_lines.constFind(line); known != m_lines.constEnd())
        return *known;
    CheckedLine checked;
    // The file check without its dictionary: the rest of it is cheap.
    for (const FileProblem &p : checkExerciseLines(ExerciseLines::fromStringList({line}), nullptr, m_content))
        checked.problems << p.problem;
    if (m_dictionary && m_dictionary->isOpen()) {
        const QString written = writtenWord(line);
        if (!written.isEmpty() && !m_dictionary->knows(written)) {
            checked.unknownWord = true;
            checked.problems << LineProblem{LineProblem::Warning,
                                            QCoreApplication::translate("tildora::LiveCheck",
                                                                        "«%1» is not in the Spanish dictionary")
                                                .arg(written)};
        }
    }
    // Pasting a long list of new words must not grow this without end.
    if (m_lines.size() > 100000)
        m_lines.clear();
    return *m_lines.insert(line, checked);
}

QList<CheckedLine> LiveCheck::check(const QStringList &lines)
{
    QList<CheckedLine> result;
    result.reserve(lines.size());
    QHash<QString, int> firstLine;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        CheckedLine checked = lineOnItsOwn(lines.at(i));
        const ExerciseLine fields = splitExerciseLine(lines.at(i));
        if (fields.closedFields >= 4) {
            const QString word = fields.word.toString();
            if (const auto seen = firstLine.constFind(word); seen != firstLine.constEnd())
                checked.problems.prepend(LineProblem{
                    LineProblem::Warning,
                    QCoreApplication::translate("tildora::LiveCheck", "«%1» is already on line %2").arg(word).arg(*seen)});
            else
                firstLine.insert(word, int(i) + 1);
        }
        result << checked;
    }
    return result;
}

QStringList LiveCheck::suggestions(const QString &line)
{
    if (!m_dictionary || !m_dictionary->isOpen())
        return {};
    const QString written = writtenWord(line);
    if (written.isEmpty())
        return {};
    if (const auto known = m_suggestions.constFind(written); known != m_suggestions.constEnd())
        return *known;
    return *m_suggestions.insert(written, m_dictionary->suggestions(written));
}

} // namespace tildora
