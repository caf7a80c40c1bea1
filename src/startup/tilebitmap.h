#pragma once

#include <QImage>

namespace tildora {

// Covers the surface with copies of the tile, row by row from the top-left
// corner; each loop runs while its position is at most the surface's size, so
// a surface that is a whole multiple of the tile gets one more row or column
// at its edge, which shows nothing. Returns the number of copies made.
int TileBitmap(QImage &surface, const QImage &tile);

} // namespace tildora
