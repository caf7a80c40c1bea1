#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace tildora {

// Cuts a correctly spelled Spanish word (with its written accents) into
// syllables by the rules of the Real Academia Española (Ortografía, 2010):
// diphthongs and triphthongs stay together, two strong vowels or a stressed
// í/ú beside a strong vowel make a hiatus, the u of que/qui/gue/gui is silent
// while ü sounds, y ends a word as a vowel, ch ll rr are single consonants,
// pr bl tr ... start a syllable together, an h between two vowels does not
// part a diphthong, and x between vowels starts the next syllable.
// Returns the offset of each syllable's first letter (the first is 0).
std::vector<int> syllableStarts(QStringView word);
QStringList syllabify(QStringView word);

} // namespace tildora
