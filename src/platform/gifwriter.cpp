#include "platform/gifwriter.h"

#include <QFile>
#include <QHash>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace tildora {
namespace {

struct IndexedFrame {
    std::vector<GifColorType> palette;   // 2..256 entries, a power of two
    std::vector<GifPixelType> pixels;    // row by row
};

// 5 bits per channel: 32768 bins, fine enough to keep smooth edges smooth.
int binOf(QRgb c) { return ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3); }

// The picture's own colours, each mapped to its place in sorted order, when
// there are 256 or fewer; nothing when there are more.
std::optional<QHash<QRgb, int>> exactColours(const QImage &image, std::vector<QRgb> &colours)
{
    QHash<QRgb, int> exact;
    for (int y = 0; y < image.height() && exact.size() <= 256; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width() && exact.size() <= 256; ++x)
            exact.insert(line[x] | 0xFF000000u, 0);
    }
    if (exact.size() > 256)
        return std::nullopt;
    // Sorted, so that the same picture always gives the same file.
    colours.assign(exact.keyBegin(), exact.keyEnd());
    std::sort(colours.begin(), colours.end());
    for (std::size_t i = 0; i < colours.size(); ++i)
        exact[colours[i]] = int(i);
    return exact;
}

struct Bin { long long r = 0, g = 0, b = 0, n = 0; };
struct Box { std::size_t begin, end; };   // a run of the used bins

int channelOf(int bin, int c) { return (bin >> (10 - 5 * c)) & 31; }

std::vector<Bin> countBins(const QImage &image)
{
    std::vector<Bin> bins(32768);
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            Bin &bin = bins[std::size_t(binOf(line[x]))];
            bin.r += qRed(line[x]); bin.g += qGreen(line[x]); bin.b += qBlue(line[x]); ++bin.n;
        }
    }
    return bins;
}

int rangeOf(const std::vector<int> &used, const Box &box, int c)
{
    int lo = 31, hi = 0;
    for (std::size_t k = box.begin; k < box.end; ++k) {
        lo = std::min(lo, channelOf(used[k], c));
        hi = std::max(hi, channelOf(used[k], c));
    }
    return hi - lo;
}

// Sorts the box's bins along the channel and cuts it at the weighted median;
// returns the upper part and keeps the lower one in the box.
Box cutAtMedian(const std::vector<Bin> &bins, std::vector<int> &used, Box &box, int channel)
{
    std::sort(used.begin() + long(box.begin), used.begin() + long(box.end),
              [&](int a, int b) { return channelOf(a, channel) < channelOf(b, channel); });
    long long total = 0, half = 0;
    for (std::size_t k = box.begin; k < box.end; ++k)
        total += bins[std::size_t(used[k])].n;
    std::size_t cut = box.begin + 1;
    for (std::size_t k = box.begin; k + 1 < box.end; ++k) {
        half += bins[std::size_t(used[k])].n;
        cut = k + 1;
        if (half * 2 >= total)
            break;
    }
    const Box upper{cut, box.end};
    box.end = cut;
    return upper;
}

// Median cut over 5-bit colour bins: split the box with the widest colour
// range at its weighted median until there are 256 boxes.
std::vector<Box> cutBoxes(const std::vector<Bin> &bins, std::vector<int> &used)
{
    std::vector<Box> boxes{{0, used.size()}};
    while (boxes.size() < 256) {
        int bestBox = -1, bestChannel = 0, bestRange = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (int c = 0; c < 3; ++c)
                if (const int r = rangeOf(used, boxes[i], c); r > bestRange) {
                    bestRange = r;
                    bestBox = int(i);
                    bestChannel = c;
                }
        if (bestBox < 0)
            break;  // every box holds one bin
        const Box upper = cutAtMedian(bins, used, boxes[std::size_t(bestBox)], bestChannel);
        boxes.push_back(upper);
    }
    return boxes;
}

// Each box's average colour goes into colours; the result maps every bin to
// its box's place there.
std::vector<int> medianCutColours(const QImage &image, std::vector<QRgb> &colours)
{
    const std::vector<Bin> bins = countBins(image);
    std::vector<int> used;
    for (int i = 0; i < 32768; ++i)
        if (bins[std::size_t(i)].n > 0)
            used.push_back(i);
    std::vector<int> binToIndex(32768, -1);
    for (const Box &box : cutBoxes(bins, used)) {
        long long r = 0, g = 0, b = 0, n = 0;
        for (std::size_t k = box.begin; k < box.end; ++k) {
            const Bin &bin = bins[std::size_t(used[k])];
            r += bin.r; g += bin.g; b += bin.b; n += bin.n;
            binToIndex[std::size_t(used[k])] = int(colours.size());
        }
        colours.push_back(qRgb(int(r / n), int(g / n), int(b / n)));
    }
    return binToIndex;
}

IndexedFrame indexFrame(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    IndexedFrame frame;
    frame.pixels.resize(std::size_t(w) * std::size_t(h));

    // Exact colours when there are few enough.
    std::vector<QRgb> colours;
    const std::optional<QHash<QRgb, int>> exact = exactColours(image, colours);
    std::vector<int> binToIndex;
    if (!exact)
        binToIndex = medianCutColours(image, colours);

    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            frame.pixels[std::size_t(y) * std::size_t(w) + std::size_t(x)] =
                GifPixelType(exact ? exact->value(c) : binToIndex[std::size_t(binOf(c))]);
        }
    }
    std::size_t size = 2;
    while (size < colours.size())
        size *= 2;
    frame.palette.resize(size, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < colours.size(); ++i)
        frame.palette[i] = GifColorType{GifByteType(qRed(colours[i])), GifByteType(qGreen(colours[i])),
                                        GifByteType(qBlue(colours[i]))};
    return frame;
}

int writeToFile(GifFileType *gif, const GifByteType *data, int length)
{
    auto *file = static_cast<QFile *>(gif->UserData);
    return int(file->write(reinterpret_cast<const char *>(data), length));
}

struct GifCloser {
    void operator()(GifFileType *gif) const { EGifCloseFile(gif, nullptr); }
};

} // namespace

bool writeGif(const QString &path, const QList<GifFrame> &frames)
{
    if (frames.isEmpty())
        return false;
    const int width = frames.first().image.width();
    const int height = frames.first().image.height();
    for (const GifFrame &f : frames)
        if (f.image.isNull() || f.image.width() != width || f.image.height() != height)
            return false;

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&file, writeToFile, &error));
    if (!gif)
        return false;
    EGifSetGifVersion(gif.get(), true);
    bool ok = EGifPutScreenDesc(gif.get(), width, height, 8, 0, nullptr) == GIF_OK;

    if (ok && frames.size() > 1) {
        // NETSCAPE2.0 block: loop forever.
        const GifByteType app[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        const GifByteType loop[] = {1, 0, 0};
        ok = EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE) == GIF_OK
             && EGifPutExtensionBlock(gif.get(), sizeof app, app) == GIF_OK
             && EGifPutExtensionBlock(gif.get(), sizeof loop, loop) == GIF_OK
             && EGifPutExtensionTrailer(gif.get()) == GIF_OK;
    }
    for (const GifFrame &f : frames) {
        if (!ok)
            break;
        if (frames.size() > 1) {
            GraphicsControlBlock gcb{};
            gcb.DisposalMode = DISPOSE_DO_NOT;
            gcb.DelayTime = std::max(f.delayCentiseconds, 2);
            gcb.TransparentColor = NO_TRANSPARENT_COLOR;
            GifByteType extension[4];
            const size_t length = EGifGCBToExtension(&gcb, extension);
            ok = EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK;
        }
        IndexedFrame indexed = indexFrame(f.image);
        std::unique_ptr<ColorMapObject, void (*)(ColorMapObject *)> map(
            GifMakeMapObject(int(indexed.palette.size()), indexed.palette.data()), GifFreeMapObject);
        ok = ok && map && EGifPutImageDesc(gif.get(), 0, 0, width, height, false, map.get()) == GIF_OK;
        for (int y = 0; ok && y < height; ++y)
            ok = EGifPutLine(gif.get(), indexed.pixels.data() + std::size_t(y) * std::size_t(width), width) == GIF_OK;
    }
    const bool closed = EGifCloseFile(gif.release(), &error) == GIF_OK;
    return ok && closed && file.error() == QFile::NoError;
}

bool writeGif(const QString &path, const QImage &image)
{
    return writeGif(path, QList<GifFrame>{GifFrame{image, 0}});
}

} // namespace tildora
