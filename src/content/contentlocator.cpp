#include "content/contentlocator.h"

#include <QDir>
#include <QFileInfo>

namespace tildora {

ContentLocator::ContentLocator(QString programFolder, QString userFolder)
    : m_programFolder(std::move(programFolder)), m_userFolder(std::move(userFolder))
{
}

bool ContentLocator::isSafeName(const QString &name)
{
    return name != QLatin1String(".") && name != QLatin1String("..") && !name.contains(QLatin1Char('/'))
           && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

QString ContentLocator::locate(const QString &folderName, const QString &name, const QString &extension) const
{
    if (!isSafeName(name))
        return {};
    const QString fileName = name + extension;
    // The teacher's own file comes first: a word recorded in the teacher's
    // voice replaces the synthetic one shipped with the program.
    QString found;
    if (!m_userFolder.isEmpty())
        found = locateIn(m_userFolder + QLatin1Char('/') + folderName, fileName);
    if (found.isEmpty())
        found = locateIn(folder(folderName), fileName);
    return found;
}

QString ContentLocator::locateIn(const QString &dir, const QString &fileName)
{
    const QFileInfo exact(dir + QLatin1Char('/') + fileName);
    if (exact.isFile() && !exact.isHidden())
        return exact.filePath();
    // No hidden files here either: QDir leaves them out.
    const QStringList entries = QDir(dir).entryList(QDir::Files, QDir::Name);
    for (const QString &entry : entries)
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir + QLatin1Char('/') + entry;
    return {};
}

} // namespace tildora
