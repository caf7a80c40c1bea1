#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tildora {

// The bytes of an exercise file as the editor writes it: UTF-8 without a
// byte-order mark, each line ended by CR LF (as the bundled files are).
QByteArray exerciseFileBytes(const QStringList &lines);

// Writes the file atomically: a crash or a full disk leaves the old file as
// it was. False with the reason when it could not be written.
bool saveExerciseFile(const QString &path, const QStringList &lines, QString *error);

struct OpenedList {
    QStringList lines;
    bool readable = false;   // the file could be read
    bool converted = false;  // a word list, turned into exercise lines
    QStringList problems;    // words that could not be turned into lines
    QString error;           // why it could not be read
};

// An exercise file line for line, exactly as Tildora reads it; a file that
// has no exercise line at all is read as a word list instead.
OpenedList openListFile(const QString &path);

} // namespace tildora
