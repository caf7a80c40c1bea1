#include "platform/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tildora {

bool speaksEnglish(const QLocale &locale)
{
    const QString first = locale.uiLanguages().value(0);
    return locale.language() == QLocale::C || first.isEmpty() || first == QLatin1String("C")
        || first.startsWith(QLatin1String("en"));
}

bool installLanguage(QCoreApplication &app, const QLocale &locale, const QStringList &catalogues,
                     const QString &folder)
{
    // Start-up stays as fast as without translations when none is needed.
    if (speaksEnglish(locale))
        return false;
    bool found = false;
    for (const QString &catalogue : catalogues) {
        auto *ours = new QTranslator(&app);
        if (ours->load(locale, catalogue, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(ours);
            found = true;
        } else {
            delete ours;
        }
    }
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return found;
}

} // namespace tildora
