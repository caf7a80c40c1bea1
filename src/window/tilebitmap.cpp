#include "window/tilebitmap.h"

#include <QPainter>

namespace tildora {

int TileBitmap(QPainter &surface, QSize size, const QImage &tile)
{
    const int w = tile.width();
    const int h = tile.height();
    if (w < 1 || h < 1)
        return 0;
    surface.save();
    surface.setCompositionMode(QPainter::CompositionMode_Source);  // replace, as a plain copy does
    int copies = 0;
    const int rows = size.height();
    for (int y = 0; y <= rows; y += h) {
        const int columns = size.width();
        for (int x = 0; x <= columns; x += w) {
            surface.drawImage(x, y, tile);
            ++copies;
        }
    }
    surface.restore();
    return copies;
}

} // namespace tildora
