#include "results/resultsplace.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>

namespace tildora {

QString fileNamePart(const QString &text)
{
    QString name;
    for (const QChar c : text.left(64))
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'.' || c == u'_'
            || c == u'-')
            name += c;
    // Never a name a folder could be taken for.
    return name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ? QStringLiteral("equipo")
                                                                                     : name;
}

QString computerName()
{
    return fileNamePart(QSysInfo::machineHostName());
}

QString configuredResultsFolder()
{
    const QStringList files =
        QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation, QStringLiteral("tildora/tildora.conf"));
    for (const QString &file : files) {
        // Only an ordinary file: a pipe there must not hold up the game.
        if (!QFileInfo(file).isFile())
            continue;
        const QString folder =
            QSettings(file, QSettings::IniFormat).value(QStringLiteral("results/folder")).toString().trimmed();
        if (!folder.isEmpty())
            return QDir::cleanPath(QDir::home().absoluteFilePath(folder));
    }
    return {};
}

ResultsPlace resultsPlace(const QString &ownFolder, const QString &commandLine)
{
    const QString shared = commandLine.isEmpty() ? configuredResultsFolder()
                                                 : QDir::cleanPath(QDir::current().absoluteFilePath(commandLine));
    if (shared.isEmpty())
        return {ownFolder, {}, {}};
    return {shared, computerName(), ownFolder};
}

QStringList resultsFolders(const QString &ownFolder)
{
    QStringList folders{ownFolder};
    if (const QString shared = configuredResultsFolder(); !shared.isEmpty())
        folders << shared;
    return folders;
}

} // namespace tildora
