#pragma once

#include "content/currentitem.h"

#include <cstdint>
#include <vector>

namespace tildora {

// What the child is asked to find.
enum AnswerModes : std::uint8_t {
    VowelMode = 0,
    SyllableMode = 1,
    AccentMode = 2,
};

// The two counters of the window: right and wrong answers over the whole run.
struct Score {
    int right = 0;
    int wrong = 0;
};

// Where the answers to the item on screen stand. A few fields are wider than
// a byte so that long words (256 letters and more) cannot overflow.
struct AnswerState {
    std::uint8_t AnswerMode = VowelMode;
    int ClickedPosition = 0;        // 1-based position of the letter pressed last
    int SyllableStart = 0;          // 1-based start of the marked syllable, 0 = not found
    std::vector<bool> SyllableMask; // flag per 1-based position of the marked syllable
    int SyllableHits = 0;           // syllable letters found so far
    Score score;
};

// Marks the letters of the item's stressed syllable and clears the syllable
// hits, for a word just drawn. Every letter of the marked occurrence is
// marked, however long the word.
void markStressedSyllable(AnswerState &answer, const CurrentItem &item);

} // namespace tildora
