#pragma once

#include "content/contentlocator.h"
#include "presentation/stripstate.h"
#include "widgets/letterstrip.h"
#include "platform/pictureloader.h"

namespace tildora {

class Bounce;

// Left of the letter strip that centres it across the window: the difference
// of the widths, halved with the remainder dropped.
int centredStripLeft(int outerWindowWidth, int stripWidth);

// A word longer than this (a binary file read as an exercise, say) is drawn
// with this many letter pictures only, so that it can never stall the window.
inline constexpr int MaxLetterPictures = 1000;

// What DrawWord draws with: the window's letter strip, its bounce, the content
// the pictures come from, and the window's width to centre the strip in.
struct WordDrawing {
    LetterStrip &Picture2;
    Bounce &bounce;
    const ContentLocator &locator;
    PictureLoader &pictures;
    int outerWindowWidth;  // twips
};

// Draws the word as a row of letter pictures, edge to edge, and centres the
// strip. A letter without a picture is a blank place as wide as the other
// letters (see layOutLetters), pressed as the letter it stands for.
void DrawWord(StripState &state, const QString &word, const WordDrawing &view);

} // namespace tildora
