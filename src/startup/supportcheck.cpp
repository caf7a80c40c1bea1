#include "startup/supportcheck.h"

#include "content/exerciselibrary.h"

#include <QDir>
#include <QMovie>

namespace tildora {

QStringList missingGifSupport()
{
    if (QMovie::supportedFormats().contains("gif"))
        return {};
    return {QStringLiteral("Qt no puede animar imágenes GIF (falta el complemento «gif» de Qt): "
                           "no se verán las animaciones de sí y no.")};
}

QStringList missingContent(const ContentLocator &locator, const QString &userExercises)
{
    QStringList missing;
    QStringList absent;
    for (const ContentFolder f : ContentLocator::AllFolders)
        if (!QDir(locator.folder(f)).exists())
            absent << ContentLocator::folderName(f);
    if (!absent.isEmpty())
        missing << QStringLiteral("Faltan estas carpetas de contenido junto al programa (%1): %2.")
                       .arg(QDir::toNativeSeparators(locator.programFolder()), absent.join(QStringLiteral(", ")));
    else if (listExerciseFiles(locator.folder(ContentFolder::Exercises)).isEmpty()
             && listExerciseFiles(userExercises).isEmpty())
        missing << QStringLiteral("La carpeta «%1» no tiene ningún archivo de ejercicios.").arg(ContentLocator::folderName(ContentFolder::Exercises));
    return missing;
}

} // namespace tildora
