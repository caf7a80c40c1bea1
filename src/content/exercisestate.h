#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace tildora {

// What the child is asked to find. NoAccentCheck lives only while the
// no-accent button is being judged.
enum AnswerModes : std::uint8_t {
    VowelMode = 0,
    SyllableMode = 1,
    AccentMode = 2,
    NoAccentCheck = 3,
};

// The fields the main window keeps for the whole run, under their own names.
// A few are wider than a byte or a 16-bit integer so that long words (256
// letters and more) and long files (more than 32767 lines) cannot overflow.
struct ExerciseState {
    int LetterCount = 0;          // letter pictures 0..LetterCount-1 exist
    int SyllableStart = 0;        // 1-based start of the marked syllable, 0 = not found
    int AnimLetter = 0;           // index of the bouncing letter picture
    int BounceTop = 0;            // Top the next tick gives the bouncing letter (twips)
    std::int32_t BounceBase = 0;  // resting Top of the bounce
    std::int32_t LetterTop = 0;   // Top of every letter picture on its row
    bool BounceUp = false;        // false: moving down, true: moving up
    QString CurrentWord;          // field 1
    QString StressedSyllable;     // field 3
    QString AccentLetter;         // field 4: "NO" (any case) or the accented letter
    std::uint8_t StressPosition = 0;  // field 2: 1-based stressed vowel, 0..255
    int ItemIndex = 0;            // 0-based line the next item is taken from
    int Picture2Top = 0;          // Top of the letter strip
    int ClickedPosition = 0;      // 1-based position of the letter pressed last
    std::vector<bool> SyllableMask;   // flag per 1-based position of the marked syllable
    std::uint8_t AnswerMode = VowelMode;
    int SyllableHits = 0;         // syllable letters found so far
};

} // namespace tildora
