#pragma once

#include "content/exercisewriter.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tildora {

// The word without its written accent: á é í ó ú lose the accent, ñ and ü stay.
QString withoutWrittenAccent(QStringView word);

// Index of the stressed syllable of a word cut into syllables (spelled with
// its written accent): the syllable with the accent, otherwise the general
// rules: the last but one when the word ends in a vowel, or in n or s after a
// vowel, else the last; an adverb in -mente by its adjective's syllables.
int stressedSyllableIndex(const QStringList &syllables);

// 0-based index in the syllable of its stressed vowel: the accented one, else
// the strong vowel (a, e, o), else of two weak vowels the second. A final y is
// not a vowel here (rey, muy). -1 when the syllable has no vowel.
int stressedVowelIndex(QStringView syllable);

// The item of a word cut into syllables, or empty with a reason when the line
// could not be answered (the marked syllable would not hold the vowel).
std::optional<ExerciseItem> itemFromSyllables(const QStringList &syllables, QString *why = nullptr);

// The item of a correctly spelled word, cut into syllables by the rules.
std::optional<ExerciseItem> itemFromWord(QStringView word, QString *why = nullptr);

// The word of an exercise line with its written accent put back: the letter
// at the position replaced by the accent field, unless that is the no-accent
// marker or the position lies outside the word.
QString withWrittenAccent(QStringView word, int position, QStringView accent);

} // namespace tildora
