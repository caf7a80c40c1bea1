#pragma once

#include <QImage>
#include <QPoint>

namespace tildora {

// Paints every pixel that has exactly the colour of the start pixel and is
// joined to it through such pixels (edge neighbours only) with the new
// colour. A start outside the image paints nothing. Returns the number of
// pixels painted.
int floodFill(QImage &image, QPoint start, QRgb color);

} // namespace tildora
