#include "platform/gifview.h"
#include "platform/gifwriter.h"

#include <QFile>
#include <QMovie>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tildora;

namespace {

// The application block the writer puts after the screen descriptor: loop
// forever. Files from other editors carry another count, or no block at all.
const QByteArray ForeverBlock = QByteArray::fromHex("21ff0b") + "NETSCAPE2.0" + QByteArray::fromHex("03010000" "00");

// A two-frame animation, 20 ms a frame, with the given loop block in place
// of the writer's own.
QByteArray twoFrameGif(const QString &folder, const QByteArray &loopBlock)
{
    QList<GifFrame> frames;
    for (const QColor colour : {Qt::red, Qt::blue}) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(colour);
        frames.append({image, 2});
    }
    const QString path = folder + "/written.gif";
    if (!writeGif(path, frames))
        return {};
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = written.readAll();
    const qsizetype at = bytes.indexOf(ForeverBlock);
    return at < 0 ? QByteArray() : bytes.replace(at, ForeverBlock.size(), loopBlock);
}

} // namespace

class TestGifView : public QObject
{
    Q_OBJECT
private slots:
    void shownAnimationPlaysOn_data();
    void shownAnimationPlaysOn();
};

void TestGifView::shownAnimationPlaysOn_data()
{
    QTest::addColumn<QByteArray>("loopBlock");
    QTest::newRow("no loop block") << QByteArray();
    QTest::newRow("loop block: once more") << QByteArray::fromHex("21ff0b") + "NETSCAPE2.0" + QByteArray::fromHex("0301010000");
    QTest::newRow("loop block: forever") << ForeverBlock;
}

void TestGifView::shownAnimationPlaysOn()
{
    QFETCH(QByteArray, loopBlock);
    QTemporaryDir dir;
    const QByteArray bytes = twoFrameGif(dir.path(), loopBlock);
    QVERIFY(!bytes.isEmpty());
    QFile file(dir.filePath("animation.gif"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    GifView view;
    view.setFile(file.fileName());
    view.show();
    QVERIFY(view.movie());
    QCOMPARE(view.movie()->frameCount(), 2);
    // Three rounds of both frames: more than any of these files asks for.
    QSignalSpy frames(view.movie(), &QMovie::frameChanged);
    QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 6, 5000);
    QCOMPARE(view.movie()->state(), QMovie::Running);
}

QTEST_MAIN(TestGifView)
#include "tst_gifview.moc"
