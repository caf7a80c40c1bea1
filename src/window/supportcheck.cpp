#include "window/supportcheck.h"

#include "content/exerciselibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QMovie>

namespace tildora {
namespace {
// Context of this file's messages for the translations.
struct SupportCheck { Q_DECLARE_TR_FUNCTIONS(tildora::SupportCheck) };
} // namespace

QStringList missingGifSupport()
{
    if (QMovie::supportedFormats().contains("gif"))
        return {};
    return {SupportCheck::tr("Qt cannot animate GIF pictures (Qt's \"gif\" plug-in is missing): "
                             "the right and wrong animations will not be shown.")};
}

QStringList missingContent(const ContentLocator &locator, const QString &userExercises)
{
    QStringList missing;
    QStringList absent;
    for (const ContentFolder f : ContentLocator::AllFolders)
        if (!QDir(locator.folder(f)).exists())
            absent << ContentLocator::folderName(f);
    if (!absent.isEmpty())
        missing << SupportCheck::tr("These content folders are missing beside the program (%1): %2.")
                       .arg(QDir::toNativeSeparators(locator.programFolder()), absent.join(QStringLiteral(", ")));
    else if (listExerciseFiles(locator.folder(ContentFolder::Exercises)).isEmpty()
             && listExerciseFiles(userExercises).isEmpty())
        missing << SupportCheck::tr("The folder \"%1\" has no exercise files.").arg(ContentLocator::folderName(ContentFolder::Exercises));
    return missing;
}

} // namespace tildora
