#pragma once

#include <QImage>
#include <QString>

namespace contentgen {

// Writes an uncompressed 4-bit (16-colour) BMP; the image must use at most
// 16 colours. Qt writes 1, 8, 24 and 32 bits only.
bool writeBmp16(const QString &path, const QImage &image);

// Writes an uncompressed 8-bit (256-colour) BMP.
bool writeBmp256(const QString &path, const QImage &image);

} // namespace contentgen
