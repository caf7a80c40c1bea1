#include "editor/wordpicture.h"

#include "content/contentlocator.h"
#include "platform/pictureloader.h"
#include "presentation/letterrow.h"
#include "presentation/worddrawing.h"

#include <QPainter>

#include <algorithm>

namespace tildora {

QImage drawWordPicture(QStringView word, const ContentLocator &content, PictureLoader &pictures, QString *missing)
{
    const qsizetype count = std::min<qsizetype>(word.size(), MaxLetterPictures);
    QList<QImage> letters;
    QList<QSize> sizes;
    for (qsizetype i = 0; i < count; ++i) {
        const QImage image = pictures.load(content.letterPicture(QString(word[i])));
        if (image.isNull() && missing && !missing->contains(word[i]))
            *missing += word[i];
        letters << image;
        sizes << image.size();
    }
    // The child's window's layout; with no picture at all, boxes of a usual letter's size.
    const LetterRow row = layOutLetters(sizes, QSize(32, 48));
    if (row.size.isEmpty())
        return {};
    QImage out(row.size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    for (qsizetype i = 0; i < count; ++i) {
        const QRect place = row.places.at(i);
        if (letters.at(i).isNull())
            painter.fillRect(place.adjusted(1, 1, -1, -1), QColor(0xff, 0xcc, 0xcc));
        else
            painter.drawImage(place.topLeft(), letters.at(i));
    }
    return out;
}

} // namespace tildora
