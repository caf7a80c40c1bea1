#pragma once

#include <QImage>
#include <QSize>

class QPainter;

namespace tildora {

// Covers a surface of the given size with copies of the tile, row by row from
// the top-left corner; each loop runs while its position is at most the
// surface's size, so a surface that is a whole multiple of the tile gets one
// more row or column at its edge, which shows nothing. Returns the number of
// copies made.
int TileBitmap(QPainter &surface, QSize size, const QImage &tile);

} // namespace tildora
