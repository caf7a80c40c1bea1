#pragma once

#include <QString>

#include <cstdint>

namespace tildora {

// The item on screen, taken from a line of the loaded exercise file, and the
// line the next item comes from. Fields keep their design names.
struct CurrentItem {
    QString CurrentWord;              // field 1
    QString StressedSyllable;         // field 3
    QString AccentLetter;             // field 4: "NO" (any case) or the accented letter
    QString Sentence;                 // field 5 when it holds the word, else empty
    std::uint8_t StressPosition = 0;  // field 2: 1-based stressed vowel, 0..255
    int ItemIndex = 0;                // 0-based line the next item is taken from
};

} // namespace tildora
