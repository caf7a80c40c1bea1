// Start-up pieces: tiling, the full-screen stage's scaled drawing, the
// support check and the content locator's safety.
#include "content/contentlocator.h"
#include "startup/fullscreenstage.h"
#include "startup/supportcheck.h"
#include "startup/tilebitmap.h"

#include "../support/testcontent.h"

#include <QPainter>
#include <QTest>

using namespace tildora;

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void tiling_data()
    {
        QTest::addColumn<QSize>("surface");
        QTest::addColumn<QSize>("tile");
        QTest::addColumn<int>("copies");
        QTest::newRow("window and tile of the design") << QSize(739, 491) << QSize(125, 117) << 6 * 5;
        QTest::newRow("a missing tile draws nothing") << QSize(30, 20) << QSize(0, 0) << 0;
    }

    void tiling()
    {
        QFETCH(QSize, surface);
        QFETCH(QSize, tile);
        QImage tileImage(tile, QImage::Format_RGB32);
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < tile.width(); ++x)
                tileImage.setPixel(x, y, qRgb(x % 256, y % 256, 7));
        QImage target(surface, QImage::Format_RGB32);
        target.fill(Qt::black);
        QPainter painter(&target);
        QTEST(TileBitmap(painter, target.size(), tileImage), "copies");
        painter.end();
        // Covered from the top-left corner, no gap, no overlap; untouched without a tile.
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                QCOMPARE(target.pixel(x, y),
                         tile.isEmpty() ? qRgb(0, 0, 0) : tileImage.pixel(x % tile.width(), y % tile.height()));
    }

    // Scaled by a fraction on a projector, controls that touch (the letters of a
    // word, the strip's panels) must not show a line of what lies beneath.
    void scaledControlsMeetWithoutSeams()
    {
        QWidget game;
        game.resize(100, 50);
        auto paint = [](QWidget *w, Qt::GlobalColor colour) {
            QPalette palette = w->palette();
            palette.setColor(QPalette::Window, colour);
            w->setPalette(palette);
            w->setAutoFillBackground(true);
        };
        paint(&game, Qt::black);
        for (int i = 0; i < 2; ++i) {
            auto *control = new QWidget(&game);
            control->setGeometry(10 + 40 * i, 10, 40, 30);
            paint(control, Qt::white);
        }
        QImage tile(8, 8, QImage::Format_RGB32);
        tile.fill(Qt::black);
        FullScreenStage stage(&game, tile);
        stage.resize(443, 221);
        stage.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stage));
        const StagePlacement placement = stage.placement();
        QVERIFY(placement.scale > 4.4 && placement.scale < 4.43);
        const QImage shot = stage.viewport()->grab().toImage();
        const QPointF topLeft = placement.offset + QPointF(10, 10) * placement.scale;
        const QRect inside = QRectF(topLeft, QSizeF(80, 30) * placement.scale).toAlignedRect().adjusted(2, 2, -2, -2);
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                QCOMPARE(QColor(shot.pixel(x, y)), QColor(Qt::white));
    }

    void supportCheck()
    {
        testing::ContentTree tree;
        QCOMPARE(missingGifSupport(), QStringList{});
        QStringList problems = missingContent(ContentLocator(tree.root));
        QCOMPARE(problems.size(), 1);
        QVERIFY(problems.first().contains("ejercicios"));
        tree.exercise("a.txt", {"casa,2,ca,NO,"});
        QCOMPARE(missingContent(ContentLocator(tree.root)), QStringList{});
        QVERIFY(QDir(tree.path("sonidos")).removeRecursively());
        problems = missingContent(ContentLocator(tree.root));
        QCOMPARE(problems.size(), 1);
        QVERIFY(problems.first().contains("sonidos"));
        QTemporaryDir empty;
        QVERIFY(missingContent(ContentLocator(empty.path())).first().contains("letrasgifs"));
    }

    void locator_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found");  // file name found, empty for none
        QTest::newRow("other letter case") << "CASA" << "casa.wav";
        QTest::newRow("exact wins over case") << "Sol" << "Sol.wav";
        QTest::newRow("missing") << "mesa" << "";
        QTest::newRow("climbs out of the folder") << "../../x" << "";
        QTest::newRow("backslash") << "..\\..\\x" << "";
        QTest::newRow("dot dot") << ".." << "";
        QTest::newRow("folder does not count") << "carpeta" << "";
    }

    void locator()
    {
        QFETCH(QString, name);
        QFETCH(QString, found);
        testing::ContentTree tree("a/b/program");
        for (const QString w : {"casa", "Sol", "sol", "niño", ".oculto", "sub/y"})
            QDir().mkpath(QFileInfo(tree.path("sonidospalabras/" + w + ".wav")).path()), tree.recording(w);
        QDir().mkpath(tree.path("sonidospalabras/carpeta.wav"));
        tree.write("../../x.wav", "RIFF");  // outside the program folder
        QVERIFY(QFile::exists(tree.path("../../x.wav")));
        const QString path = ContentLocator(tree.root).wordRecording(name);
        QCOMPARE(QFileInfo(path).fileName(), found);
        if (!found.isEmpty())
            QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(tree.path("sonidospalabras")).absoluteFilePath());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
