#include "authoring/listfolder.h"

#include "content/exerciselibrary.h"
#include "content/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace tildora {
namespace {


void fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
}

// "07-" of "07-letras.txt": digits, then a dash, space or underscore.
const QRegularExpression &numberPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)[-_ ]?"));
    return pattern;
}

QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.mid(dot) : QString();
}

QString numbered(int number, const QString &rest)
{
    // One arg() for both: a title may hold a %2 of its own.
    return QStringLiteral("%1-%2").arg(QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')), rest);
}

} // namespace

QList<ExerciseList> exerciseLists(const QString &bundledFolder, const QString &teacherFolder)
{
    QList<ExerciseList> lists;
    for (const QString &name : listExerciseFiles(bundledFolder))
        lists.append({name, bundledFolder + QLatin1Char('/') + name, true});
    if (!teacherFolder.isEmpty() && QDir(teacherFolder) != QDir(bundledFolder))
        for (const QString &name : listExerciseFiles(teacherFolder))
            lists.append({name, teacherFolder + QLatin1Char('/') + name, false});
    return lists;
}

int listNumber(const QString &name)
{
    const QRegularExpressionMatch m = numberPattern().match(name);
    if (!m.hasMatch())
        return -1;
    bool ok = false;
    const int number = m.captured(1).toInt(&ok);
    return ok ? number : -1;
}

QString listTitle(const QString &name)
{
    QString title = name;
    title.chop(extensionOf(name).size());
    const QRegularExpressionMatch m = numberPattern().match(title);
    if (m.hasMatch() && m.capturedLength() < title.size())
        title.remove(0, m.capturedLength());
    return title;
}

QString cleanListTitle(const QString &title)
{
    QString clean;
    for (const QChar c : title) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            clean += QLatin1Char('-');
        else
            clean += c;
    }
    clean = clean.trimmed();
    while (clean.startsWith(QLatin1Char('.')))
        clean.remove(0, 1);
    return clean.left(100).trimmed();
}

QString nextListName(const QString &folder, const QString &title)
{
    int highest = 0;
    for (const QString &name : listExerciseFiles(folder))
        highest = std::max(highest, listNumber(name));
    const QString rest = cleanListTitle(title) + QStringLiteral(".txt");
    int number = highest + 1;
    while (QFileInfo::exists(folder + QLatin1Char('/') + numbered(number, rest)))
        ++number;
    return numbered(number, rest);
}

QString createList(const QString &teacherFolder, const QString &title, QString *error)
{
    if (cleanListTitle(title).isEmpty())
        return fail(error, QCoreApplication::translate("tildora::ListFolder", "the list needs a name")), QString();
    if (!QDir().mkpath(teacherFolder))
        return fail(error, QCoreApplication::translate("tildora::ListFolder", "cannot make the folder %1").arg(teacherFolder)), QString();
    const QString path = teacherFolder + QLatin1Char('/') + nextListName(teacherFolder, title);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(error, QCoreApplication::translate("tildora::ListFolder", "cannot make %1: %2").arg(path, file.errorString())), QString();
    return path;
}

QString copyList(const QString &sourcePath, const QString &teacherFolder, QString *error)
{
    if (!QDir().mkpath(teacherFolder))
        return fail(error, QCoreApplication::translate("tildora::ListFolder", "cannot make the folder %1").arg(teacherFolder)), QString();
    const QString path = teacherFolder + QLatin1Char('/')
                         + nextListName(teacherFolder, listTitle(QFileInfo(sourcePath).fileName()));
    // A FIFO or a device under a list's name would hold the copy up.
    if (!isRegularFile(sourcePath) || !QFile::copy(sourcePath, path))
        return fail(error, QCoreApplication::translate("tildora::ListFolder", "cannot copy %1 to %2").arg(sourcePath, path)), QString();
    // A copy of a read-only bundled file would be read-only too.
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

QString renameList(const QString &path, const QString &title, QString *error)
{
    const QString clean = cleanListTitle(title);
    if (clean.isEmpty())
        return fail(error, QCoreApplication::translate("tildora::ListFolder", "the list needs a name")), QString();
    const QFileInfo info(path);
    const int number = listNumber(info.fileName());
    const QString extension = extensionOf(info.fileName());
    const QString name = number >= 0 ? numbered(number, clean + extension) : clean + extension;
    const QString target = info.absolutePath() + QLatin1Char('/') + name;
    if (target == info.absoluteFilePath())
        return target;
    if (QFileInfo::exists(target))
        return fail(error, QCoreApplication::translate("tildora::ListFolder", "there is already a list called %1").arg(name)), QString();
    if (!QFile::rename(path, target))
        return fail(error, QCoreApplication::translate("tildora::ListFolder", "cannot rename %1").arg(info.fileName())), QString();
    return target;
}

bool moveList(const QString &folder, QStringList names, int from, int to, QString *error)
{
    if (from < 0 || from >= names.size() || to < 0 || to >= names.size())
        return fail(error, QCoreApplication::translate("tildora::ListFolder", "no list at that place")), false;
    names.move(from, to);
    QDir dir(folder);
    QStringList targets, staged;
    for (int i = 0; i < names.size(); ++i)
        targets << numbered(i + 1, listTitle(names[i]) + extensionOf(names[i]));
    // Through hidden names first, so that no rename lands on a list that has
    // not moved yet.
    for (int i = 0; i < names.size(); ++i) {
        const QString hidden = QStringLiteral(".renumbering-%1-%2").arg(QString::number(i), names[i]);
        if (names[i] != targets[i] && !dir.rename(names[i], hidden)) {
            for (int j = 0; j < i; ++j)
                if (!staged[j].isEmpty())
                    dir.rename(staged[j], names[j]);
            return fail(error, QCoreApplication::translate("tildora::ListFolder", "cannot rename %1").arg(names[i])), false;
        }
        staged << (names[i] != targets[i] ? hidden : QString());
    }
    bool allMoved = true;
    for (int i = 0; i < names.size(); ++i) {
        if (staged[i].isEmpty())
            continue;
        if (!dir.exists(targets[i]) && dir.rename(staged[i], targets[i]))
            continue;
        dir.rename(staged[i], names[i]);  // its old name is free again
        fail(error, QCoreApplication::translate("tildora::ListFolder", "cannot rename %1 to %2").arg(names[i], targets[i]));
        allMoved = false;
    }
    return allMoved;
}

bool trashList(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.moveToTrash())
        return fail(error, QCoreApplication::translate("tildora::ListFolder", "cannot move %1 to the trash: %2").arg(QFileInfo(path).fileName(), file.errorString())),
               false;
    return true;
}

bool addExtraWord(const QString &wordFile, const QString &word, QString *error)
{
    const QFileInfo info(wordFile);
    QByteArray words;
    if (info.exists()) {
        // Only a plain file is read: a FIFO in its place would hold the window up.
        const std::optional<QByteArray> read = readRegularFile(wordFile, MaxExerciseFileBytes);
        if (!read)
            return fail(error, QCoreApplication::translate("tildora::ListFolder", "cannot read %1").arg(wordFile)), false;
        words = *read;
        if (!words.isEmpty() && !words.endsWith('\n'))
            words += '\n';
    }
    // Written whole, or the old list stays: a full disk is told with its reason.
    QString why;
    if (!QDir().mkpath(info.absolutePath()) || !writeWholeFile(wordFile, words + word.toUtf8() + '\n', &why))
        return fail(error, QCoreApplication::translate("tildora::ListFolder", "cannot write %1: %2").arg(wordFile, why)),
               false;
    return true;
}

} // namespace tildora
