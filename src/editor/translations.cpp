#include "editor/translations.h"

#include "platform/languages.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tildora {

bool installTranslations(QCoreApplication &app, const QLocale &locale, const QString &folder)
{
    // The editor shows the findings and messages of the authoring code too.
    if (installLanguage(app, locale, {QStringLiteral("tildora-editor"), QStringLiteral("tildora-author")}, folder))
        return true;
    // In English, its counts still need their plural forms: "1 word", "2 words".
    auto *plurals = new QTranslator(&app);
    if (plurals->load(QStringLiteral("tildora-editor_en"), folder))
        QCoreApplication::installTranslator(plurals);
    else
        delete plurals;
    return false;
}

} // namespace tildora
