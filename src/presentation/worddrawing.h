#pragma once

#include "content/contentlocator.h"
#include "content/exercisestate.h"
#include "widgets/letterstrip.h"
#include "platform/pictureloader.h"

namespace tildora {

class Bounce;

// Left of the letter strip that centres it across the window: the difference
// of the widths, halved with the remainder dropped.
int centredStripLeft(int outerWindowWidth, int stripWidth);

// Marks the letters of the stressed syllable and clears the syllable hits.
// Every letter of the marked occurrence is marked, however long the word.
void markStressedSyllable(ExerciseState &state);

// A word longer than this (a binary file read as an exercise, say) is drawn
// with this many letter pictures only, so that it can never stall the window.
inline constexpr int MaxLetterPictures = 1000;

struct WordDrawing {
    LetterStrip &Picture2;
    Bounce &bounce;
    const ContentLocator &locator;
    PictureLoader &pictures;
    int outerWindowWidth;  // twips
};

// Draws CurrentWord as a row of letter pictures, edge to edge, centres the
// strip, and resets the answer state of the item. A letter without a picture
// is a blank place as wide as the other letters (see layOutLetters), pressed
// as the letter it stands for.
void DrawWord(ExerciseState &state, const WordDrawing &view);

} // namespace tildora
