#include "platform/floodfill.h"

#include <vector>

namespace tildora {

int floodFill(QImage &image, QPoint start, QRgb color)
{
    if (!image.valid(start))
        return 0;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    color |= 0xFF000000u;
    const QRgb target = image.pixel(start);
    if (target == color)
        return 0;
    const int w = image.width();
    const int h = image.height();
    // Scanline fill: each popped seed fills its whole run, then seeds the
    // runs above and below.
    int painted = 0;
    std::vector<QPoint> seeds{start};
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(seed.y()));
        if (line[seed.x()] != target)
            continue;
        int left = seed.x();
        while (left > 0 && line[left - 1] == target)
            --left;
        int right = seed.x();
        while (right + 1 < w && line[right + 1] == target)
            ++right;
        for (int x = left; x <= right; ++x)
            line[x] = color;
        painted += right - left + 1;
        for (const int y : {seed.y() - 1, seed.y() + 1}) {
            if (y < 0 || y >= h)
                continue;
            const auto *next = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = left; x <= right; ++x)
                if (next[x] == target && (x == left || next[x - 1] != target))
                    seeds.push_back({x, y});
        }
    }
    return painted;
}

} // namespace tildora
