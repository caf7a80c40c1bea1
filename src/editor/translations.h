#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace tildora {

// Installs our texts and Qt's own (dialog buttons, shortcuts) in the first of
// the locale's languages that has them; English, with only its plural forms
// read, when no translation fits. True when ours were found.
bool installTranslations(QCoreApplication &app, const QLocale &locale, const QString &folder);

} // namespace tildora
