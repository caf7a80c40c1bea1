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
    const QStringList folders{QStringLiteral("ejercicios"), QStringLiteral("letrasgifs"), QStringLiteral("letrasacento"),
                              QStringLiteral("sonidos"), QStringLiteral("sonidospalabras"), QStringLiteral("gifs")};
    QStringList absent;
    for (const QString &f : folders)
        if (!QDir(locator.folder(f)).exists())
            absent << f;
    if (!absent.isEmpty())
        missing << QStringLiteral("Faltan estas carpetas de contenido junto al programa (%1): %2.")
                       .arg(QDir::toNativeSeparators(locator.programFolder()), absent.join(QStringLiteral(", ")));
    else if (listExerciseFiles(locator.folder(QStringLiteral("ejercicios"))).isEmpty()
             && listExerciseFiles(userExercises).isEmpty())
        missing << QStringLiteral("La carpeta «ejercicios» no tiene ningún archivo de ejercicios.");
    return missing;
}

} // namespace tildora
