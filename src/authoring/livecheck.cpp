#include "authoring/livecheck.h"

#include "authoring/dictionary.h"
#include "authoring/filecheck.h"
#include "authoring/stress.h"
#include "content/contentlocator.h"
#include "content/exerciseline.h"

#include <QCoreApplication>
#include <QDir>

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
    m_letters.clear();
}

// What the file check says of the content, with the answers remembered: a
// missing recording would otherwise cost a listing of its folder per word.
QList<LineProblem> LiveCheck::contentProblems(const ExerciseLine &fields)
{
    QList<LineProblem> problems;
    const auto has = [this](const QString &key, auto find) {
        if (const auto known = m_letters.constFind(key); known != m_letters.constEnd())
            return *known;
        return *m_letters.insert(key, !find().isEmpty());
    };
    QString reported;
    for (const QChar c : fields.word) {
        if (reported.contains(c))
            continue;
        reported += c;
        if (!has(QString(c), [&] { return m_content->letterPicture(QString(c)); }))
            problems << LineProblem{LineProblem::Error, QCoreApplication::translate("tildora::FileCheck", "no letter picture %1/%2.gif")
                                                            .arg(ContentLocator::folderName(ContentFolder::Letters), c)};
    }
    const QString accent = fields.accent.toString();
    if (!isNoAccentMarker(accent)
        && !has(QStringLiteral("accent ") + accent, [&] { return m_content->accentedLetterPicture(accent); }))
        problems << LineProblem{LineProblem::Error,
                                QCoreApplication::translate("tildora::FileCheck", "no accented-letter picture %1/%2.gif")
                                    .arg(ContentLocator::folderName(ContentFolder::AccentedLetters), accent)};
    const QString word = fields.word.toString();
    const QString file = (word + QStringLiteral(".wav")).toCaseFolded();
    if (!ContentLocator::isSafeName(word) || !m_recordings.contains(file))
        problems << LineProblem{LineProblem::Warning,
                                QCoreApplication::translate("tildora::FileCheck", "no recording %1/%2.wav (tildora-author record makes it)")
                                    .arg(ContentLocator::folderName(ContentFolder::WordSounds), word)};
    return problems;
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
    // The file check without its dictionary and content, which are looked
    // up here with their answers remembered.
    for (const FileProblem &p : checkExerciseLines(ExerciseLines::fromStringList({line}), nullptr, nullptr))
        checked.problems << p.problem;
    if (const ExerciseLine fields = splitExerciseLine(line); m_content && fields.closedFields >= 4)
        checked.problems << contentProblems(fields);
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
    // Recordings come and go as the teacher makes them: listed afresh each time.
    QSet<QString> recordings;
    if (m_content)
        for (const QString &folder : {m_content->folder(ContentFolder::WordSounds), m_content->userFolder(ContentFolder::WordSounds)})
            if (!folder.isEmpty())
                for (const QString &name : QDir(folder).entryList(QDir::Files))
                    recordings.insert(name.toCaseFolded());
    if (recordings != m_recordings) {
        m_recordings = recordings;
        m_lines.clear();
    }
    QList<CheckedLine> result;
    result.reserve(lines.size());
    QHash<QString, int> firstLine;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        CheckedLine checked = lineOnItsOwn(lines.at(i));
        const ExerciseLine fields = splitExerciseLine(lines.at(i));
        if (fields.closedFields >= 4) {
            const QString word = fields.word.toString();
            const QString key = repeatKey(lines.at(i), fields);
            if (const auto seen = firstLine.constFind(key); seen != firstLine.constEnd())
                checked.problems.prepend(LineProblem{
                    LineProblem::Warning,
                    QCoreApplication::translate("tildora::LiveCheck", "«%1» is already on line %2").arg(word).arg(*seen)});
            else
                firstLine.insert(key, int(i) + 1);
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
