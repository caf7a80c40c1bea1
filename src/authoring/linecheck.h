#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace tildora {

struct LineProblem {
    enum Severity { Error, Warning } severity = Error;
    QString message;
};

// The accented form of a plain vowel (a -> á, U -> Ú); a null QChar for any
// other letter.
QChar accentedVowel(QChar vowel);

// True for á é í ó ú and their capitals.
bool isAccentedVowel(QChar c);

// No Spanish word comes near this many letters (the longest have some 25): a
// longer word is refused as a line before anything analyses or draws it.
inline constexpr qsizetype MaxWordLetters = 60;

// Why the word cannot be a line's word for its length; empty when it can.
QString wordLengthProblem(QStringView word);

// The word as messages show it: one longer than MaxWordLetters is cut there.
QString shownWord(QStringView word);

// Checks that an exercise line can be answered as the window draws and judges
// it: four fields, a word of a real word's length, a stressed position on a vowel of the word, a stressed
// syllable whose marked occurrence covers that vowel, and an accent field
// that is "NO" or the accented form of that vowel.
QList<LineProblem> checkExerciseLine(QStringView line);

} // namespace tildora
