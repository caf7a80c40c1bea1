#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tildora {

// The four fields of an exercise line, as splitExerciseLine reads them back.
struct ExerciseItem {
    QString word;      // without its written accent
    int position = 0;  // 1-based stressed vowel
    QString syllable;  // stressed syllable, spelled as in word
    QString accent;    // accented vowel, or "NO"
    QString sentence;  // a sentence that holds the word, or empty for none
};

// The one writer of exercise lines and files, used by every program that
// makes them, so that they all write what the window reads.

// word,position,syllable,accent, then sentence, when the item has one
QString formatExerciseLine(const ExerciseItem &item);

// The bytes of an exercise file: UTF-8 without a byte-order mark, each line
// ended by CR LF (as the bundled files are, and Windows editors expect).
QByteArray exerciseFileBytes(const QStringList &lines);

// Writes the file in one piece: a crash or a full disk leaves the old file as
// it was. False with the reason when it could not be written.
bool saveExerciseFile(const QString &path, const QStringList &lines, QString *error);

} // namespace tildora
