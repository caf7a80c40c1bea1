#include "platform/gifwriter.h"

#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace tildora;

namespace {

QImage twoColours(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(QRect(w / 4, h / 4, w / 2, h / 2), Qt::black);
    return image;
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

} // namespace

class TestGifWriter : public QObject
{
    Q_OBJECT
private slots:
    void roundTrips_data();
    void roundTrips();
    void refusesBadInput();
};

void TestGifWriter::roundTrips_data()
{
    QTest::addColumn<QList<QImage>>("frames");
    QTest::addColumn<int>("tolerance");  // per colour channel
    QTest::newRow("still, two colours, exact") << QList<QImage>{twoColours(31, 17)} << 0;
    QTest::newRow("one pixel") << QList<QImage>{twoColours(1, 1)} << 0;
    QTest::newRow("still, 4096 colours, close") << QList<QImage>{gradient(64, 64)} << 24;
    QTest::newRow("three frames") << QList<QImage>{twoColours(20, 20), gradient(20, 20), twoColours(20, 20).mirrored()}
                                  << 24;
}

void TestGifWriter::roundTrips()
{
    QFETCH(QList<QImage>, frames);
    QFETCH(int, tolerance);
    QTemporaryDir dir;
    const QString path = dir.filePath("ñ.gif");  // letter files have such names
    QList<GifFrame> gifFrames;
    for (const QImage &f : frames)
        gifFrames.append({f, 10});
    QVERIFY(writeGif(path, gifFrames));

    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("gif"));
    QCOMPARE(reader.imageCount(), int(frames.size()));
    for (const QImage &expected : frames) {
        const QImage got = reader.read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(got.size(), expected.size());
        QVERIFY(maxChannelError(got, expected) <= tolerance);
    }
}

void TestGifWriter::refusesBadInput()
{
    QTemporaryDir dir;
    QVERIFY(!writeGif(dir.filePath("a.gif"), QList<GifFrame>{}));
    QVERIFY(!writeGif(dir.filePath("b.gif"), QImage()));
    QVERIFY(!writeGif(dir.filePath("c.gif"), QList<GifFrame>{{twoColours(4, 4), 10}, {twoColours(5, 4), 10}}));
    QVERIFY(!writeGif(dir.filePath("no/such/folder/d.gif"), twoColours(4, 4)));
}

QTEST_MAIN(TestGifWriter)
#include "tst_gifwriter.moc"
