#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace tildora {

// One picture of an animation and how long it shows.
struct GifFrame {
    QImage image;
    int delayCentiseconds = 10;
};

// Writes a real GIF89a file. One frame gives a still picture; several frames
// give an animation that loops forever. Pictures with more than 256 colours
// are reduced to their 256 most used colours. Returns false when the file
// cannot be written or a frame is empty.
bool writeGif(const QString &path, const QList<GifFrame> &frames);
bool writeGif(const QString &path, const QImage &image);

} // namespace tildora
