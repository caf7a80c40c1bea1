#include "editor/translations.h"

#include "platform/languages.h"

namespace tildora {

bool installTranslations(QCoreApplication &app, const QLocale &locale, const QString &folder)
{
    // The editor shows the findings and messages of the authoring code too.
    return installLanguage(app, locale, {QStringLiteral("tildora-editor"), QStringLiteral("tildora-author")}, folder);
}

} // namespace tildora
