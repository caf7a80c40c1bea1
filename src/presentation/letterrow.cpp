#include "presentation/letterrow.h"

#include <algorithm>

namespace tildora {

LetterRow layOutLetters(const QList<QSize> &pictures, QSize fallback)
{
    qint64 widths = 0;
    int found = 0, height = 0;
    for (const QSize &picture : pictures) {
        if (picture.isEmpty())
            continue;
        widths += picture.width();
        height = std::max(height, picture.height());
        ++found;
    }
    const QSize blank = found > 0 ? QSize(int((widths + found / 2) / found), height) : fallback;
    LetterRow row;
    row.places.reserve(pictures.size());
    int left = 0;
    for (const QSize &picture : pictures) {
        const QSize size = picture.isEmpty() ? blank : picture;
        row.places.append(QRect(QPoint(left, 0), size));
        left += size.width();
        row.size = row.size.expandedTo(QSize(left, size.height()));
    }
    return row;
}

} // namespace tildora
