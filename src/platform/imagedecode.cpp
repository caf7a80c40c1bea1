#include "platform/imagedecode.h"

#include "content/regularfile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <gif_lib.h>

#include <cstring>
#include <vector>

namespace tildora {
namespace {

struct MemoryReader {
    const QByteArray &bytes;
    qsizetype offset = 0;
};

int readFromMemory(GifFileType *gif, GifByteType *buffer, int length)
{
    auto *reader = static_cast<MemoryReader *>(gif->UserData);
    const qsizetype available = std::min<qsizetype>(length, reader->bytes.size() - reader->offset);
    std::memcpy(buffer, reader->bytes.constData() + reader->offset, std::size_t(available));
    reader->offset += available;
    return int(available);
}

} // namespace

// Larger pictures are refused before anything is allocated for them: a GIF
// of a few bytes may claim a frame of 65535 x 65535 pixels.
constexpr int MaxPictureSide = 8192;

namespace {

// The first frame's pixels, de-interlaced; empty when it cannot be read whole.
std::vector<GifPixelType> readFrame(GifFileType *gif)
{
    const GifImageDesc &d = gif->Image;
    std::vector<GifPixelType> pixels(std::size_t(d.Width) * std::size_t(d.Height));
    if (!d.Interlace)
        return DGifGetLine(gif, pixels.data(), int(pixels.size())) == GIF_OK ? pixels : std::vector<GifPixelType>{};
    static constexpr int Offsets[] = {0, 4, 2, 1};
    static constexpr int Jumps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = Offsets[pass]; y < d.Height; y += Jumps[pass])
            if (DGifGetLine(gif, pixels.data() + std::size_t(y) * std::size_t(d.Width), d.Width) != GIF_OK)
                return {};
    return pixels;
}

QImage firstFrame(GifFileType *gif)
{
    if (gif->SWidth <= 0 || gif->SHeight <= 0 || gif->SWidth > MaxPictureSide || gif->SHeight > MaxPictureSide)
        return {};
    GraphicsControlBlock gcb{};
    gcb.TransparentColor = NO_TRANSPARENT_COLOR;
    // Only the records up to the first frame are read: later frames, and
    // anything broken in them, do not matter here.
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) != GIF_OK)
            return {};
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType *block = nullptr;
            if (DGifGetExtension(gif, &code, &block) != GIF_OK)
                return {};
            if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] == 4)
                DGifExtensionToGCB(4, block + 1, &gcb);
            while (block)
                if (DGifGetExtensionNext(gif, &block) != GIF_OK)
                    return {};
        } else if (type == IMAGE_DESC_RECORD_TYPE) {
            break;
        } else {
            return {};  // the end, or a record giflib does not know
        }
    }
    if (DGifGetImageDesc(gif) != GIF_OK)
        return {};
    const GifImageDesc &d = gif->Image;
    if (d.Width <= 0 || d.Height <= 0 || d.Width > MaxPictureSide || d.Height > MaxPictureSide)
        return {};
    const ColorMapObject *map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    if (!map)
        return {};
    const std::vector<GifPixelType> pixels = readFrame(gif);
    if (pixels.empty())
        return {};
    QImage image(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < d.Height; ++y) {
        const int sy = d.Top + y;
        if (sy < 0 || sy >= image.height())
            continue;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(sy));
        for (int x = 0; x < d.Width; ++x) {
            const int sx = d.Left + x;
            const int index = pixels[std::size_t(y) * std::size_t(d.Width) + std::size_t(x)];
            if (sx < 0 || sx >= image.width() || index == gcb.TransparentColor || index >= map->ColorCount)
                continue;
            const GifColorType &c = map->Colors[index];
            line[sx] = qRgb(c.Red, c.Green, c.Blue);
        }
    }
    return image;
}

} // namespace

QImage decodeGif(const QByteArray &bytes)
{
    if (!bytes.startsWith("GIF8"))
        return {};
    MemoryReader reader{bytes};
    int error = 0;
    GifFileType *gif = DGifOpen(&reader, readFromMemory, &error);
    if (!gif)
        return {};
    const QImage image = firstFrame(gif);
    DGifCloseFile(gif, &error);
    return image;
}

QImage decodeBmp(const QByteArray &b)
{
    if (b.size() < 54 || !b.startsWith("BM"))
        return {};
    const auto *p = reinterpret_cast<const uchar *>(b.constData());
    const quint32 pixelOffset = qFromLittleEndian<quint32>(p + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(p + 14);
    const qint32 width = qFromLittleEndian<qint32>(p + 18);
    const qint32 rawHeight = qFromLittleEndian<qint32>(p + 22);
    const int bits = qFromLittleEndian<quint16>(p + 28);
    const quint32 compression = qFromLittleEndian<quint32>(p + 30);
    quint32 colours = qFromLittleEndian<quint32>(p + 46);
    const bool bottomUp = rawHeight > 0;
    // In 64 bits: the lowest 32-bit height has no 32-bit negation.
    const qint64 height = bottomUp ? qint64(rawHeight) : -qint64(rawHeight);
    const bool known = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
    if (headerSize < 40 || width <= 0 || height <= 0 || width > MaxPictureSide || height > MaxPictureSide || !known
        || (compression != 0 && !(compression == 3 && bits == 32)))
        return {};
    if (bits <= 8 && colours == 0)
        colours = 1u << bits;
    const qsizetype paletteAt = 14 + qsizetype(headerSize);
    const qsizetype rowBytes = ((qsizetype(width) * bits + 31) / 32) * 4;
    if (colours > 256 || paletteAt + qsizetype(colours) * 4 > b.size() || qsizetype(pixelOffset) + rowBytes * height > b.size())
        return {};
    QImage image(width, int(height), QImage::Format_RGB32);
    for (qint32 y = 0; y < height; ++y) {
        const uchar *row = p + pixelOffset + rowBytes * (bottomUp ? height - 1 - y : y);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (qint32 x = 0; x < width; ++x) {
            if (bits > 8) {
                const uchar *px = row + x * (bits / 8);
                line[x] = qRgb(px[2], px[1], px[0]);
                continue;
            }
            const int perByte = 8 / bits;
            const int shift = (perByte - 1 - x % perByte) * bits;
            const quint32 index = (row[x / perByte] >> shift) & ((1u << bits) - 1);
            const uchar *c = p + paletteAt + (index < colours ? index : 0) * 4;
            line[x] = qRgb(c[2], c[1], c[0]);
        }
    }
    return image;
}

QImage readPicture(const QString &path)
{
    // The window's own pictures are compiled in; any other file is read only
    // when it is a regular file, and no bigger than a picture could be.
    std::optional<QByteArray> read;
    if (path.startsWith(u':')) {
        QFile resource(path);
        if (resource.open(QIODevice::ReadOnly))
            read = resource.readAll();
    } else {
        read = readRegularFile(path, MaxPictureBytes);
    }
    if (!read)
        return {};
    QImage image = decodeGif(*read);
    if (image.isNull())
        image = decodeBmp(*read);
    QBuffer buffer(&*read);
    if (image.isNull() && buffer.open(QIODevice::ReadOnly)) {
        // By the file's extension first, then by what the bytes hold (a PNG
        // named .gif).
        image = QImageReader(&buffer, QFileInfo(path).suffix().toLatin1()).read();
        if (image.isNull() && buffer.seek(0)) {
            QImageReader byContent(&buffer);
            byContent.setDecideFormatFromContent(true);
            image = byContent.read();
        }
    }
    return image;
}

} // namespace tildora
