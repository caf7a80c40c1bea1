#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace tildora {

// A word's letters in a row, edge to edge and aligned at the top, in pixels,
// as the child's window and the editor's preview both draw it.
struct LetterRow {
    QList<QRect> places;  // one per letter, in word order
    QSize size;           // of the whole row
};

// The places of letters whose pictures have these sizes. A letter without a
// picture (an empty size) keeps its own place, blank: as wide as the word's
// pictures are on average and as high as the tallest, or `fallback` when no
// letter has a picture. So no letter ever shows in another's place.
LetterRow layOutLetters(const QList<QSize> &pictures, QSize fallback);

} // namespace tildora
