#pragma once

#include <cstdint>

namespace tildora {

// Where the letter strip and its letters stand, in twips, and the bounce of
// a found letter.
struct StripState {
    int LetterCount = 0;          // letter pictures 0..LetterCount-1 exist
    std::int32_t LetterTop = 0;   // Top of every letter picture on its row
    int Picture2Top = 0;          // Top of the letter strip
    int AnimLetter = 0;           // index of the bouncing letter picture
    int BounceTop = 0;            // Top the next tick gives the bouncing letter
    std::int32_t BounceBase = 0;  // resting Top of the bounce
    bool BounceUp = false;        // false: moving down, true: moving up
};

} // namespace tildora
