#pragma once

#include <QString>
#include <QStringList>

namespace tildora {

// Where a computer keeps its answers. By default its own folder
// ($XDG_DATA_HOME/tildora/resultados, day files 2026-12-06.csv); a school may
// set a folder all the computers of a room share (a network share it already
// has), where each computer writes day files of its own
// (2026-12-06-NAME.csv), so two never write one file.
struct ResultsPlace {
    QString folder;
    QString sharedAs;  // this computer's name in a shared folder; empty for its own
    QString fallback;  // with a shared folder, the computer's own: for answers the share cannot take

    bool isShared() const { return !sharedAs.isEmpty(); }
};

// A text as part of a file name: only letters, digits, '.', '_' and '-'
// kept, at most 64 of them; "equipo" when nothing is left.
QString fileNamePart(const QString &text);

// This computer's name as it goes into file names and rows: its host name.
QString computerName();

// The shared folder an administrator set for everyone: the key results/folder
// of tildora/tildora.conf in the configuration folders (the user's first,
// then the system's, e.g. /etc/xdg/tildora/tildora.conf); empty when none.
QString configuredResultsFolder();

// The place for this run: the folder given on the command line, else the
// configured one (both shared), else the computer's own folder.
ResultsPlace resultsPlace(const QString &ownFolder, const QString &commandLine = {});

// Every folder a teacher's view reads: the computer's own and the shared one,
// when there is one.
QStringList resultsFolders(const QString &ownFolder);

} // namespace tildora
