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

// Checks that an exercise line can be answered as the window draws and judges
// it: four fields, a stressed position on a vowel of the word, a stressed
// syllable whose marked occurrence covers that vowel, and an accent field
// that is "NO" or the accented form of that vowel.
QList<LineProblem> checkExerciseLine(QStringView line);

} // namespace tildora
