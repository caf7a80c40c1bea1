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

// The teacher's own exercise files, listed after the bundled ones:
// ~/.local/share/tildora/ejercicios (or the XDG data home).
QString userExerciseFolder();

} // namespace tildora
