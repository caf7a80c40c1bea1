#include "platform/floodfill.h"

#include <QTest>

using namespace tildora;

namespace {

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

} // namespace

class TestFloodFill : public QObject
{
    Q_OBJECT
private slots:
    void fills_data();
    void fills();
};

void TestFloodFill::fills_data()
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

void TestFloodFill::fills()
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

QTEST_APPLESS_MAIN(TestFloodFill)
#include "tst_floodfill.moc"
