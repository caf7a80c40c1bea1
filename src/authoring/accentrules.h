#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tildora {

// The general rules' reading of a word's last syllable, for a word without a
// written accent: true when the word is stressed on the syllable before it,
// as a word ending in a vowel, or in n or s after a vowel, is (casa, joven,
// lunes); false for any other ending, consonant + s too (robots, reloj,
// virrey), whose words are stressed on their last syllable.
bool endsLikeALlana(QStringView lastSyllable);

// An adverb in -mente keeps the stress and the written accent of its
// adjective (rápidamente, fácilmente, lentamente, cruelmente): the number of
// syllables of the adjective when the word, cut into syllables, is such an
// adverb; 0 otherwise (mente, demente, lamente, aumente).
int adverbStemSyllables(const QStringList &syllables);

// A written accent the rules take away: a word of one syllable for writing
// (guión, truhán, lió, huí, crié, fué, tí) other than those whose accent
// tells them from a word spelled alike (él, tú, mí, sí, sé, té, dé, más,
// qué, quién, cuál, cuán).
struct Respelling {
    QString word;  // as it is written today
    QString why;   // "«guión» is written «guion» since 2010: one syllable for writing"
};
std::optional<Respelling> outdatedAccent(QStringView word);

} // namespace tildora
