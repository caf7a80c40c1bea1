#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tildora {

bool installTranslations(QCoreApplication &app, const QLocale &locale, const QString &folder)
{
    auto *ours = new QTranslator(&app);
    const bool found = ours->load(locale, QStringLiteral("tildora"), QStringLiteral("_"), folder);
    if (found)
        QCoreApplication::installTranslator(ours);
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    return found;
}

} // namespace tildora
