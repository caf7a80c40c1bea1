#include "content/contentlocator.h"

#include <QDir>
#include <QFileInfo>

namespace tildora {

ContentLocator::ContentLocator(QString programFolder) : m_programFolder(std::move(programFolder)) {}

bool ContentLocator::isSafeName(const QString &name)
{
    return name != QLatin1String(".") && name != QLatin1String("..") && !name.contains(QLatin1Char('/'))
           && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

QString ContentLocator::locate(const QString &folderName, const QString &name, const QString &extension) const
{
    if (!isSafeName(name))
        return {};
    const QString dir = folder(folderName);
    const QString fileName = name + extension;
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
