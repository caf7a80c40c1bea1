// Pictures: our GIF and BMP decoding against Qt's readers, the GIF writer
// read back by Qt, the flood fill of a press, and animations that play on.
#include "platform/floodfill.h"
#include "widgets/gifview.h"
#include "platform/gifwriter.h"
#include "platform/imagedecode.h"

#include <QBuffer>
#include <QImageReader>
#include <QMovie>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "../support/files.h"

#include <gif_lib.h>

using namespace tildora;

namespace {

QImage sample(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(QRect(1, 1, w / 2, h / 3), QColor(200, 30, 60));
    p.fillRect(QRect(w / 3, h / 2, w / 2, h / 3), Qt::black);
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

int appendToBuffer(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

// A GIF made with giflib itself, to reach what our writer never writes: an
// interlaced frame, or a frame of another size than its canvas. Row y has
// colour y % 4.
QByteArray gifOf(QSize canvas, QSize frame, bool interlaced)
{
    QByteArray bytes;
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, appendToBuffer, &error);
    const GifColorType colours[4] = {{250, 0, 0}, {0, 240, 0}, {0, 0, 230}, {20, 20, 20}};
    ColorMapObject *map = GifMakeMapObject(4, colours);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, canvas.width(), canvas.height(), 2, 3, map);
    EGifPutImageDesc(gif, 0, 0, frame.width(), frame.height(), interlaced, nullptr);
    // Interlaced rows go in the order of the four passes.
    const auto passes = interlaced ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                                   : std::vector<std::pair<int, int>>{{0, 1}};
    for (const auto &[offset, jump] : passes) {
        for (int y = offset; y < frame.height(); y += jump) {
            std::vector<GifPixelType> row(std::size_t(frame.width()), GifPixelType(y % 4));
            EGifPutLine(gif, row.data(), frame.width());
        }
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return bytes;
}

QImage gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 255 / (w - 1), y * 255 / (h - 1), 128));
    return image;
}

int maxChannelError(const QImage &a, const QImage &b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

// A picture from rows of characters: '#' black, '.' white, 'o' grey.
QImage picture(const QStringList &rows)
{
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QChar c = rows[y][x];
            image.setPixel(x, y, c == u'#' ? qRgb(0, 0, 0) : c == u'o' ? qRgb(128, 128, 128) : qRgb(255, 255, 255));
        }
    return image;
}

QStringList rowsOf(const QImage &image)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            row += p == qRgb(0, 0, 0) ? u'#' : p == qRgb(255, 0, 0) ? u'R' : p == qRgb(128, 128, 128) ? u'o' : u'.';
        }
        rows << row;
    }
    return rows;
}

// The application block the writer puts after the screen descriptor: loop
// forever. Files from other editors carry another count, or no block at all.
const QByteArray ForeverBlock = QByteArray::fromHex("21ff0b") + "NETSCAPE2.0" + QByteArray::fromHex("03010000" "00");

// A two-frame animation, 20 ms a frame, with the given loop block in place
// of the writer's own; empty when it could not be made.
QString twoFrameGif(const QString &folder, const QByteArray &loopBlock)
{
    const QString path = folder + "/animation.gif";
    const QList<GifFrame> frames{{sample(8, 8), 2}, {sample(8, 8).mirrored(), 2}};
    QByteArray bytes = writeGif(path, frames) ? testing::readFile(path) : QByteArray();
    const qsizetype at = bytes.indexOf(ForeverBlock);
    if (at < 0)
        return {};
    testing::writeFile(path, bytes.replace(at, ForeverBlock.size(), loopBlock));
    return path;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void matchesQt_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTemporaryDir dir;
        writeGif(dir.filePath("a.gif"), sample(37, 21));
        QTest::newRow("GIF written by us") << testing::readFile(dir.filePath("a.gif"));
        QTest::newRow("first frame of an animation") << testing::readFile(TILDORA_SOURCE_DIR "/content/gifs/si.gif");
        QTest::newRow("interlaced GIF") << gifOf(QSize(6, 17), QSize(6, 17), true);
        // A comment after the colour table, four bytes long as a frame's timing
        // block is, that would make colour 0 transparent if read as one.
        QTest::newRow("a comment shaped like a frame's timing")
            << gifOf(QSize(6, 5), QSize(6, 5), false).insert(25, QByteArray("\x21\xFE\x04\x01\x00\x00\x00\x00", 8));
        QTest::newRow("BMP, 8 bits") << encoded(sample(33, 17).convertToFormat(QImage::Format_Indexed8), "BMP");
        QTest::newRow("BMP, 24 bits") << encoded(sample(33, 17).convertToFormat(QImage::Format_RGB888), "BMP");
        QTest::newRow("BMP, 1 bit") << encoded(sample(19, 9).convertToFormat(QImage::Format_Mono), "BMP");
        QTest::newRow("BMP, 4 bits (the credits card)") << testing::readFile(TILDORA_SOURCE_DIR "/resources/creditos.bmp");
        // Sides up to 8192 pixels are read; longer ones are refused below.
        QTest::newRow("GIF 8192 pixels wide") << gifOf(QSize(8192, 1), QSize(8192, 1), false);
        QTest::newRow("BMP 8192 pixels wide") << encoded(sample(8192, 2), "BMP");
    }

    void matchesQt()
    {
        QFETCH(QByteArray, bytes);
        const QImage ours = bytes.startsWith("GIF") ? decodeGif(bytes) : decodeBmp(bytes);
        QBuffer buffer(&bytes);
        const QImage theirs = QImageReader(&buffer).read().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!theirs.isNull());
        QCOMPARE(ours.size(), theirs.size());
        QCOMPARE(ours.convertToFormat(QImage::Format_RGB32), theirs);
    }

    void refusesOtherBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("casa,2,ca,NO,");
        QTest::newRow("cut GIF") << QByteArray("GIF89a\x10\x00\x10\x00", 10);
        QTest::newRow("cut BMP") << QByteArray("BM") + QByteArray(60, '\x01');
        QTest::newRow("PNG") << encoded(sample(5, 5), "PNG");
        // Two-colour 1 x 1 canvas whose only frame claims 65535 x 65535 pixels.
        QTest::newRow("GIF frame of 65535 x 65535 pixels")
            << QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\xff"
                          "\x2c\x00\x00\x00\x00\xff\xff\xff\xff\x00\x02\x02\x4c\x01\x00\x3b", 33);
        QTest::newRow("BMP whose height is the lowest 32-bit integer")
            << QByteArray::fromBase64("Qk3iMgAAAAAAAAAA/13/VwAAAAAAAAAAAIAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAPn/AAA=");
        QTest::newRow("GIF canvas 8193 pixels wide") << gifOf(QSize(8193, 1), QSize(1, 1), false);
        QTest::newRow("GIF canvas 8193 pixels high") << gifOf(QSize(1, 8193), QSize(1, 1), false);
        QTest::newRow("GIF frame 8193 pixels wide on a canvas of 8192") << gifOf(QSize(8192, 1), QSize(8193, 1), false);
        QTest::newRow("GIF frame 8193 pixels high on a canvas of 8192") << gifOf(QSize(1, 8192), QSize(1, 8193), false);
        QTest::newRow("BMP 8193 pixels high") << encoded(sample(2, 8193), "BMP");
    }

    void refusesOtherBytes()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(decodeGif(bytes).isNull());
        QVERIFY(decodeBmp(bytes).isNull());
    }

    // A BMP whose pixel names a colour its palette does not hold shows the
    // first colour, not whatever bytes follow the palette.
    void bmpIndexPastThePalette()
    {
        QImage image(4, 1, QImage::Format_Indexed8);
        image.setColorTable({qRgb(200, 0, 0), qRgb(0, 200, 0)});
        image.fill(1);
        QByteArray bytes = encoded(image, "BMP");
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 46), 2u);  // two colours in the palette
        const quint32 pixels = qFromLittleEndian<quint32>(bytes.constData() + 10);
        bytes[pixels] = 0x21;  // 4 bits a pixel: the first names colour 2, the second colour 1
        const QImage decoded = decodeBmp(bytes);
        QCOMPARE(decoded.pixel(0, 0), qRgb(200, 0, 0));
        QCOMPARE(decoded.pixel(1, 0), qRgb(0, 200, 0));
    }

    void readPictureFallsBackToQt()
    {
        QTemporaryDir dir;
        // A PNG named .gif, as a teacher's picture might be.
        testing::writeFile(dir.filePath("x.gif"), encoded(sample(9, 7), "PNG"));
        QCOMPARE(readPicture(dir.filePath("x.gif")).size(), QSize(9, 7));
        QVERIFY(readPicture(dir.filePath("missing.gif")).isNull());
        QVERIFY(testing::makeFifo(dir.filePath("tubo.gif")));
        QVERIFY(readPicture(dir.filePath("tubo.gif")).isNull());  // never waited on
    }

    void roundTrips_data()
    {
        QTest::addColumn<QList<QImage>>("frames");
        QTest::addColumn<int>("tolerance");  // per colour channel
        QTest::newRow("still, three colours, exact") << QList<QImage>{sample(31, 17)} << 0;
        QTest::newRow("one pixel") << QList<QImage>{sample(1, 1)} << 0;
        QImage close(4, 3, QImage::Format_RGB32);  // two greys a step apart: kept apart, never merged
        close.fill(qRgb(100, 100, 100));
        close.setPixel(1, 1, qRgb(101, 101, 101));
        QTest::newRow("still, two colours a step apart, exact") << QList<QImage>{close} << 0;
        QTest::newRow("still, 4096 colours, close") << QList<QImage>{gradient(64, 64)} << 24;
        QTest::newRow("three frames") << QList<QImage>{sample(20, 20), gradient(20, 20), sample(20, 20).mirrored()}
                                      << 24;
    }

    void roundTrips()
    {
        QFETCH(QList<QImage>, frames);
        QFETCH(int, tolerance);
        QTemporaryDir dir;
        const QString path = dir.filePath("ñ.gif");  // letter files have such names
        QList<GifFrame> gifFrames;
        for (const QImage &f : frames)
            gifFrames.append({f, 10});
        QVERIFY(writeGif(path, gifFrames));

        // The version whose delays and loop block the animations use; a still
        // has no frame timing.
        const QByteArray bytes = testing::readFile(path);
        QCOMPARE(bytes.left(6), QByteArray("GIF89a"));
        QCOMPARE(bytes.contains("\x21\xF9\x04"), frames.size() > 1);
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("gif"));
        QCOMPARE(reader.imageCount(), int(frames.size()));
        for (const QImage &expected : frames) {
            const QImage got = reader.read().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(got.size(), expected.size());
            QVERIFY(maxChannelError(got, expected) <= tolerance);
        }
    }

    void refusesBadInput()
    {
        QTemporaryDir dir;
        QVERIFY(!writeGif(dir.filePath("a.gif"), QList<GifFrame>{}));
        QVERIFY(!writeGif(dir.filePath("b.gif"), QImage()));
        QVERIFY(!writeGif(dir.filePath("c.gif"), QList<GifFrame>{{sample(4, 4), 10}, {sample(5, 4), 10}}));
        QVERIFY(!writeGif(dir.filePath("no/such/folder/d.gif"), sample(4, 4)));
    }

    void fills_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("painted");
        QTest::newRow("stroke only") << QStringList{"..#..", ".###.", "..#.."} << QPoint(2, 1)
                                     << QStringList{"..R..", ".RRR.", "..R.."} << 5;
        QTest::newRow("background around the stroke") << QStringList{"..#..", ".###.", "..#.."} << QPoint(0, 0)
                                                       << QStringList{"RR#..", "R###.", "RR#.."} << 5;
        QTest::newRow("diagonal neighbours stay") << QStringList{"#..", ".#.", "..#"} << QPoint(0, 0)
                                                  << QStringList{"R..", ".#.", "..#"} << 1;
        QTest::newRow("a hole is its own region") << QStringList{"#####", "#...#", "#####", "....."} << QPoint(0, 3)
                                                  << QStringList{"#####", "#...#", "#####", "RRRRR"} << 5;
        QTest::newRow("only the exact colour") << QStringList{"..o..", "....."} << QPoint(0, 0)
                                               << QStringList{"RRoRR", "RRRRR"} << 9;
        QTest::newRow("winding region") << QStringList{"#.###", "#.#.#", "#...#", "#####"} << QPoint(1, 0)
                                        << QStringList{"#R###", "#R#R#", "#RRR#", "#####"} << 6;
        QTest::newRow("start outside") << QStringList{"..", ".."} << QPoint(5, 0) << QStringList{"..", ".."} << 0;
        QTest::newRow("negative start") << QStringList{"..", ".."} << QPoint(-1, -1) << QStringList{"..", ".."} << 0;
    }

    void fills()
    {
        QFETCH(QStringList, before);
        QFETCH(QPoint, start);
        QImage image = picture(before);
        QTEST(floodFill(image, start, qRgb(255, 0, 0)), "painted");
        QTEST(rowsOf(image), "after");
        // Filling with the colour already there changes nothing.
        QImage again = image;
        QCOMPARE(floodFill(again, QPoint(0, 0), again.pixel(0, 0)), 0);
        QCOMPARE(again, image);
    }

    void shownAnimationPlaysOn_data()
    {
        QTest::addColumn<QByteArray>("loopBlock");
        QTest::newRow("no loop block") << QByteArray();
        QTest::newRow("loop block: once more")
            << QByteArray::fromHex("21ff0b") + "NETSCAPE2.0" + QByteArray::fromHex("0301010000");
        QTest::newRow("loop block: forever") << ForeverBlock;
    }

    void shownAnimationPlaysOn()
    {
        QFETCH(QByteArray, loopBlock);
        QTemporaryDir dir;
        const QString path = twoFrameGif(dir.path(), loopBlock);
        QVERIFY(!path.isEmpty());
        GifView view;
        view.setFile(path);
        view.show();
        QVERIFY(view.movie());
        QCOMPARE(view.movie()->frameCount(), 2);
        // Three rounds of both frames: more than any of these files asks for.
        QSignalSpy frames(view.movie(), &QMovie::frameChanged);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 6, 5000);
        QCOMPARE(view.movie()->state(), QMovie::Running);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
