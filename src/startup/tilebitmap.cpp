#include "startup/tilebitmap.h"

#include <QPainter>

namespace tildora {

int TileBitmap(QImage &surface, const QImage &tile)
{
    const int w = tile.width();
    const int h = tile.height();
    if (w < 1 || h < 1 || surface.isNull())
        return 0;
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);  // replace, as a plain copy does
    int copies = 0;
    const int rows = surface.height();
    for (int y = 0; y <= rows; y += h) {
        const int columns = surface.width();
        for (int x = 0; x <= columns; x += w) {
            painter.drawImage(x, y, tile);
            ++copies;
        }
    }
    return copies;
}

} // namespace tildora
