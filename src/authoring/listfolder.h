#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tildora {

// The exercise lists a teacher sees: the bundled ones (read-only) and the
// teacher's own in $XDG_DATA_HOME/tildora/ejercicios/. Tildora shows the
// lists of a folder in name order, so a number prefix ("03-agudas.txt") sets
// the order in its drop-down; these functions keep that prefix.
struct ExerciseList {
    QString name;  // file name
    QString path;
    bool bundled = false;
};

QList<ExerciseList> exerciseLists(const QString &bundledFolder, const QString &teacherFolder);

// The number prefix of a list name ("07-letras.txt" is 7), -1 without one.
int listNumber(const QString &name);
// The name without its number prefix and extension: "07-letras.txt" is "letras".
QString listTitle(const QString &name);

// A title a teacher typed, made safe for a file name on any desktop: no
// folder separators, no characters Windows refuses, no leading dot, trimmed.
QString cleanListTitle(const QString &title);

// A free name in the folder for a new list after every numbered one:
// "08-title.txt" when 07 is the highest number there.
QString nextListName(const QString &folder, const QString &title);

// Each returns the new path, or an empty string with the reason in error.
// A new, empty list at the end of the teacher's folder (made when missing).
QString createList(const QString &teacherFolder, const QString &title, QString *error);
// An editable copy of a list (a bundled one, say) at the end of the teacher's folder.
QString copyList(const QString &sourcePath, const QString &teacherFolder, QString *error);
// A new title for a list, keeping its number.
QString renameList(const QString &path, const QString &title, QString *error);

// Moves the list at position from to position to among the numbered order of
// names (the teacher's lists as listed) and renumbers them all 01, 02, ...
// so that Tildora shows them in that order. False with a reason when a file
// could not be renamed; no list is ever lost.
bool moveList(const QString &folder, QStringList names, int from, int to, QString *error);

// Moves the list to the desktop's trash, from where it can be brought back.
bool trashList(const QString &path, QString *error);

// Adds a word to the teacher's own word file (diccionario-extra.txt, one word
// a line) in their data folder, made when missing; the words already there
// stay as they were. False with the reason when it could not be written.
bool addExtraWord(const QString &wordFile, const QString &word, QString *error);

} // namespace tildora
