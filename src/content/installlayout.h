#pragma once

#include <QString>
#include <QStringList>

namespace tildora {

// Where the program finds what it ships with, wherever it was installed:
// beside the executable (a build, or a copied folder) or, when installed,
// in the data and library folders of its prefix, found from the
// executable's own folder. Symlinks to the executable are followed first.
QString contentFolder(const QString &programFolder);
QStringList soundModuleFolders(const QString &programFolder);

// The teacher's own content, beside the bundled one: exercise files in its
// ejercicios/, recordings in its sonidospalabras/, and so on:
// ~/.local/share/tildora (under the XDG data home).
QString userContentFolder();

} // namespace tildora
