#include "content/installlayout.h"

#include "content/contentlocator.h"

#include <QDir>
#include <QStandardPaths>

#ifndef TILDORA_RELATIVE_DATADIR
#define TILDORA_RELATIVE_DATADIR "../share/tildora"
#endif
#ifndef TILDORA_RELATIVE_MODULEDIR
#define TILDORA_RELATIVE_MODULEDIR "../lib/tildora"
#endif

namespace tildora {

QString contentFolder(const QString &programFolder)
{
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/" TILDORA_RELATIVE_DATADIR));
    for (const QString &candidate : {programFolder, installed})
        if (QDir(ContentLocator(candidate).folder(ContentFolder::Letters)).exists())
            return candidate;
    return programFolder;  // the start-up check will say what is missing
}

QStringList soundModuleFolders(const QString &programFolder)
{
    return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/" TILDORA_RELATIVE_MODULEDIR))};
}

QString userContentFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tildora");
}

} // namespace tildora
