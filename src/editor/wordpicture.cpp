#include "editor/wordpicture.h"

#include "content/contentlocator.h"
#include "platform/pictureloader.h"
#include "presentation/worddrawing.h"

#include <QPainter>

#include <algorithm>

namespace tildora {

QImage drawWordPicture(QStringView word, const ContentLocator &content, PictureLoader &pictures, QString *missing)
{
    const qsizetype count = std::min<qsizetype>(word.size(), MaxLetterPictures);
    QList<QImage> letters;
    int width = 0, height = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const QString letter(word[i]);
        QImage image = pictures.load(content.letterPicture(letter));
        if (image.isNull() && missing && !missing->contains(word[i]))
            *missing += word[i];
        letters << image;
        width += image.width();
        height = std::max(height, image.height());
    }
    if (height == 0)
        height = 48;  // no picture at all: boxes of a usual letter's height
    const int boxWidth = height * 2 / 3;
    for (const QImage &image : letters)
        if (image.isNull())
            width += boxWidth;
    if (width == 0)
        return {};
    QImage out(width, height, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    int left = 0;
    for (const QImage &image : letters) {
        if (image.isNull()) {
            painter.fillRect(left + 1, 1, boxWidth - 2, height - 2, QColor(0xff, 0xcc, 0xcc));
            left += boxWidth;
        } else {
            painter.drawImage(left, 0, image);
            left += image.width();
        }
    }
    return out;
}

} // namespace tildora
