#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tildora {

// The first frame of a GIF, decoded with giflib, so that no image plugin has
// to be looked for and loaded at start-up. Transparent pixels come out white,
// as on a letter picture. Null when the bytes are no GIF giflib can read.
QImage decodeGif(const QByteArray &bytes);

// An uncompressed Windows bitmap (1, 4, 8, 24 or 32 bits per pixel); null for
// anything else.
QImage decodeBmp(const QByteArray &bytes);

// Larger than any picture we show: a stray huge file is not read whole.
inline constexpr qint64 MaxPictureBytes = 64LL * 1024 * 1024;

// A picture file: GIF and BMP decoded here, everything else (and anything
// these decoders refuse) through Qt's image readers. Null when unreadable or
// not a regular file (a FIFO or a device is never opened).
QImage readPicture(const QString &path);

} // namespace tildora
