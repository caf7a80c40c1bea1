#include "authoring/missedlist.h"

#include "authoring/listfolder.h"
#include "authoring/maker.h"
#include "authoring/stress.h"
#include "authoring/wordkinds.h"
#include "content/contentlocator.h"
#include "content/exerciseline.h"
#include "content/exercisewriter.h"
#include "content/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>

namespace tildora {
namespace {

// Context of this file's messages for the translations.
struct MissedList { Q_DECLARE_TR_FUNCTIONS(tildora::MissedList) };

void addLinesOf(const QString &path, QHash<QString, QString> &lines)
{
    const ExerciseLines fileLines = loadExerciseLines(path);
    for (qsizetype i = 0; i < fileLines.size(); ++i) {
        const ExerciseLine fields = splitExerciseLine(fileLines.at(i));
        const QString word = fields.word.toString();
        if (fields.closedFields < 4 || word.isEmpty())
            continue;
        if (!lines.contains(word))
            lines.insert(word, fileLines.at(i).toString());
        if (!lineSentence(fields).isEmpty()) {
            const QString written = withWrittenAccent(fields.word, fields.position.trimmed().toInt(), fields.accent);
            if (const QString key = written + QLatin1Char('\t'); !lines.contains(key))
                lines.insert(key, fileLines.at(i).toString());
        }
    }
}

} // namespace

QHash<QString, QString> answeredWordLines(const QStringList &exerciseFiles, const QStringList &listFolders)
{
    QHash<QString, QString> lines;
    QSet<QString> named;
    for (const QString &file : exerciseFiles)
        if (ContentLocator::isSafeName(file) && !file.isEmpty())
            named.insert(file);
    QStringList order;
    for (const QString &folder : listFolders)
        for (const QString &name : listExerciseFiles(folder))
            if (named.contains(name))
                order << folder + QLatin1Char('/') + name;
    for (const QString &folder : listFolders)
        for (const QString &name : listExerciseFiles(folder))
            if (!named.contains(name))
                order << folder + QLatin1Char('/') + name;
    for (const QString &path : std::as_const(order))
        addLinesOf(path, lines);
    return lines;
}

QStringList wordsToPractise(const QList<WordSummary> &words, const QHash<QString, QString> &lines, int maxWords,
                            QStringList *problems)
{
    QStringList out;
    QSet<QString> taken;
    for (const WordSummary &word : words) {
        if (out.size() >= maxWords)
            break;
        if (word.misses <= 0)
            continue;
        if (word.written.isEmpty() && !lines.contains(word.word)) {
            if (problems)
                *problems << MissedList::tr("«%1»: its exercise line was not found, so its accent is not known").arg(word.word);
            continue;
        }
        const QString spelled = writtenWord(word.word, word.written, lines);
        if (taken.contains(spelled))
            continue;
        taken.insert(spelled);
        // A word told apart by its sentence (tú, tu) keeps the sentence it was shown with.
        const auto shown = lines.constFind(spelled + QLatin1Char('\t'));
        out << (shown == lines.cend() ? spelled
                                      : spelled + QStringLiteral(": ") + lineSentence(splitExerciseLine(*shown)));
    }
    return out;
}

QString missedWordsTitle(const QDate &day, const QString &child, const QString &kind)
{
    QStringList parts{QStringLiteral("repaso")};
    for (const QString &part : {child, kind, day.toString(Qt::ISODate)})
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    return parts.join(QLatin1Char('-'));
}

QString saveNewList(const QString &folder, const QString &title, const QStringList &words, QString *error,
                    QStringList *problems)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return QString();
    };
    const QStringList lines = makeLines(words.join(QLatin1Char('\n')), problems);
    if (lines.isEmpty())
        return fail(MissedList::tr("there are no words to make a list of"));
    if (!QDir().mkpath(folder))
        return fail(MissedList::tr("cannot make the folder %1").arg(QDir::toNativeSeparators(folder)));
    // The name is taken first with a file of its own, so no list is ever
    // overwritten; the lines then replace it in one piece.
    const QString path = folder + QLatin1Char('/') + nextListName(folder, title);
    QFile claim(path);
    if (!claim.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(MissedList::tr("cannot make %1: %2").arg(QDir::toNativeSeparators(path), claim.errorString()));
    claim.close();
    QString why;
    if (!saveExerciseFile(path, lines, &why)) {
        QFile::remove(path);
        return fail(MissedList::tr("cannot write %1: %2").arg(QDir::toNativeSeparators(path), why));
    }
    return path;
}

} // namespace tildora
