// Our own GIF and BMP decoding must give what Qt's image readers give.
#include "platform/gifwriter.h"
#include "platform/imagedecode.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

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

QImage viaQt(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    return QImageReader(&buffer).read().convertToFormat(QImage::Format_RGB32);
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

} // namespace

class TestImageDecode : public QObject
{
    Q_OBJECT
private slots:
    void matchesQt_data();
    void matchesQt();
    void refusesOtherBytes_data();
    void refusesOtherBytes();
    void sideLimit_data();
    void sideLimit();
    void readPictureFallsBackToQt();
};

void TestImageDecode::matchesQt_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("gif");
    QTemporaryDir dir;
    writeGif(dir.filePath("a.gif"), sample(37, 21));
    QFile gif(dir.filePath("a.gif"));
    gif.open(QIODevice::ReadOnly);
    QTest::newRow("GIF written by us") << gif.readAll() << true;
    QFile animation(QStringLiteral(TILDORA_SOURCE_DIR "/content/gifs/si.gif"));
    animation.open(QIODevice::ReadOnly);
    QTest::newRow("first frame of an animation") << animation.readAll() << true;
    QTest::newRow("interlaced GIF") << gifOf(QSize(6, 17), QSize(6, 17), true) << true;
    QTest::newRow("BMP, 8 bits") << encoded(sample(33, 17).convertToFormat(QImage::Format_Indexed8), "BMP") << false;
    QTest::newRow("BMP, 24 bits") << encoded(sample(33, 17).convertToFormat(QImage::Format_RGB888), "BMP") << false;
    QTest::newRow("BMP, 1 bit") << encoded(sample(19, 9).convertToFormat(QImage::Format_Mono), "BMP") << false;
    QFile credits(QStringLiteral(TILDORA_SOURCE_DIR "/resources/creditos.bmp"));
    credits.open(QIODevice::ReadOnly);
    QTest::newRow("BMP, 4 bits (the credits card)") << credits.readAll() << false;
}

void TestImageDecode::matchesQt()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, gif);
    const QImage ours = gif ? decodeGif(bytes) : decodeBmp(bytes);
    const QImage theirs = viaQt(bytes);
    QVERIFY(!theirs.isNull());
    QCOMPARE(ours.size(), theirs.size());
    QCOMPARE(ours.convertToFormat(QImage::Format_RGB32), theirs);
}

void TestImageDecode::refusesOtherBytes_data()
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
}

void TestImageDecode::refusesOtherBytes()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(decodeGif(bytes).isNull());
    QVERIFY(decodeBmp(bytes).isNull());
}

void TestImageDecode::sideLimit_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("gif");
    QTest::addColumn<bool>("read");
    const QSize wide(8192, 1), tooWide(8193, 1), tooHigh(1, 8193);
    QTest::newRow("GIF 8192 pixels wide") << gifOf(wide, wide, false) << true << true;
    QTest::newRow("GIF canvas 8193 pixels wide") << gifOf(tooWide, QSize(1, 1), false) << true << false;
    QTest::newRow("GIF canvas 8193 pixels high") << gifOf(tooHigh, QSize(1, 1), false) << true << false;
    QTest::newRow("GIF frame 8193 pixels wide on a canvas of 8192") << gifOf(wide, tooWide, false) << true << false;
    QTest::newRow("BMP 8192 pixels wide") << encoded(sample(8192, 2), "BMP") << false << true;
    QTest::newRow("BMP 8193 pixels high") << encoded(sample(2, 8193), "BMP") << false << false;
}

// Sides over 8192 pixels are refused; 8192 itself is read.
void TestImageDecode::sideLimit()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, gif);
    const QImage image = gif ? decodeGif(bytes) : decodeBmp(bytes);
    QTEST(!image.isNull(), "read");
}

void TestImageDecode::readPictureFallsBackToQt()
{
    QTemporaryDir dir;
    // A PNG named .gif, as a teacher's picture might be.
    QFile f(dir.filePath("x.gif"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(encoded(sample(9, 7), "PNG"));
    f.close();
    QCOMPARE(readPicture(dir.filePath("x.gif")).size(), QSize(9, 7));
    QVERIFY(readPicture(dir.filePath("missing.gif")).isNull());
}

QTEST_MAIN(TestImageDecode)
#include "tst_imagedecode.moc"
