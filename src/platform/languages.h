#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace tildora {

// Our texts are written in English. For any other language of the desktop
// (LANG, LC_ALL, LANGUAGE) this installs each catalogue's translation,
// `<catalogue>_<language>.qm` from `folder`, for the first of the locale's
// languages that has one, and Qt's own (dialog buttons, shortcuts) for that
// language. English, or no file found, reads nothing and stays English.
// True when at least one of our catalogues was installed.
bool installLanguage(QCoreApplication &app, const QLocale &locale, const QStringList &catalogues,
                     const QString &folder);

// Whether texts for this locale are the English sources themselves.
bool speaksEnglish(const QLocale &locale);

} // namespace tildora
