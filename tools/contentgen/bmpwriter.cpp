#include "bmpwriter.h"

#include <QFile>
#include <QHash>
#include <QtEndian>

#include <vector>

namespace contentgen {
namespace {

void put16(QByteArray &out, quint16 v) { out.append(char(v & 0xFF)).append(char(v >> 8)); }
void put32(QByteArray &out, quint32 v) { put16(out, quint16(v & 0xFFFF)); put16(out, quint16(v >> 16)); }

bool writeIndexedBmp(const QString &path, const QImage &source, int bits)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int paletteSize = 1 << bits;
    QHash<QRgb, int> index;
    std::vector<QRgb> palette;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (!index.contains(c)) {
                if (int(palette.size()) == paletteSize)
                    return false;
                index.insert(c, int(palette.size()));
                palette.push_back(c);
            }
        }
    palette.resize(std::size_t(paletteSize), qRgb(0, 0, 0));

    const int rowBytes = ((image.width() * bits + 31) / 32) * 4;
    const quint32 pixelOffset = 14 + 40 + quint32(paletteSize) * 4;
    const quint32 fileSize = pixelOffset + quint32(rowBytes * image.height());
    QByteArray out;
    out.append("BM");
    put32(out, fileSize);
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, 40);
    put32(out, quint32(image.width()));
    put32(out, quint32(image.height()));
    put16(out, 1);
    put16(out, quint16(bits));
    put32(out, 0);  // no compression
    put32(out, quint32(rowBytes * image.height()));
    put32(out, 3780);  // 96 dpi
    put32(out, 3780);
    put32(out, quint32(paletteSize));
    put32(out, 0);
    for (const QRgb c : palette) {
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(0));
    }
    for (int y = image.height() - 1; y >= 0; --y) {  // bottom-up rows
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const int i = index.value(image.pixel(x, y));
            if (bits == 8)
                row[x] = char(i);
            else
                row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? i << 4 : i));
        }
        out.append(row);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(out) == out.size();
}

} // namespace

bool writeBmp16(const QString &path, const QImage &image) { return writeIndexedBmp(path, image, 4); }
bool writeBmp256(const QString &path, const QImage &image) { return writeIndexedBmp(path, image, 8); }

} // namespace contentgen
