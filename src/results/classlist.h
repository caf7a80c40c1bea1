#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tildora {

// The children of a class, so they can pick their name instead of typing
// it: alumnos.txt in the teacher's data folder, one name per line, kept in
// the editor or written by hand (UTF-8, or UTF-16 or Windows-1252 as a
// Windows editor saves it).

// userFolder/alumnos.txt
QString classListPath(const QString &userFolder);

// The names in the bytes, in their order: trimmed, control characters left
// out, blank lines and repeats (in any case) dropped, each at most MostNameLetters long,
// at most MostNames of them.
constexpr int MostNames = 200;
constexpr int MostNameLetters = 60;
QStringList parseClassList(const QByteArray &bytes);

// The names of the list at path; nothing when there is no list there (or
// what is there is not an ordinary file, which is never waited on). A file
// too large for a class is read only as far as a class could be.
std::optional<QStringList> readClassList(const QString &path);

} // namespace tildora
