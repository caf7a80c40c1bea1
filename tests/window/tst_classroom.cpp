// The main window in the classroom: the focus chain, answering by keyboard
// and its mark, shortcuts, the press of assistive technology, and the
// full-screen view, where a press lands where the child sees it and scaled
// controls meet without seams. Start-up pieces too: tiling, the support check
// and the content locator's safety.
#include "content/contentlocator.h"
#include "window/classroomaccess.h"
#include "window/form1.h"
#include "window/fullscreenstage.h"
#include "window/supportcheck.h"
#include "window/tilebitmap.h"

#include "widgets/letterstrip.h"
#include "widgets/picturebutton.h"

#include "../support/testcontent.h"

#include <QAccessible>
#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QPainter>
#include <QTest>

using namespace tildora;

using testing::Window;

namespace {

// A loaded window, shown and active so that focus and shortcuts work.
void showActive(Window &w)
{
    w.tree.recording("casa");
    w.load();
    w.form->show();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
}

int focusedLetter(Form1 &f)
{
    for (int i = 0; i < f.Picture2->count(); ++i)
        if (f.Picture2->letter(i)->hasFocus())
            return i;
    return -1;
}

bool hasOrange(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 140, 0))
                return true;
    return false;
}

} // namespace

class TestClassroom : public QObject
{
    Q_OBJECT
private slots:
    void pressLandsWhereSeen_data()
    {
        // Letters are 30 x 105 with a black block at (7..21, 26..77); the word is
        // casa in vowel mode, so the a at position 2 is right.
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("letter");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("full HD, the stressed vowel, on its ink")
            << QSize(1920, 1080) << 1 << QPoint(15, 50) << QColor(Qt::blue);
        QTest::newRow("portrait, the s, on its ink") << QSize(1080, 1920) << 2 << QPoint(20, 76) << QColor(Qt::red);
    }

    void pressLandsWhereSeen()
    {
        QFETCH(QSize, screen);
        QFETCH(int, letter);
        QFETCH(QPoint, at);
        QFETCH(QColor, fill);
        Window w({"casa,2,ca,NO,"});
        w.load();
        Form1 &f = *w.form;
        FullScreenStage stage(&f, f.Picture3);
        stage.resize(screen);
        stage.show();
        QVERIFY(QTest::qWaitForWindowExposed(&stage));
        LetterPicture *pressed = f.Picture2->letter(letter);
        const QPointF inGame = QPointF(pressed->mapTo(&f, QPoint(0, 0))) + QPointF(at) + QPointF(0.5, 0.5);
        const QPoint onScreen = stage.mapFromScene(stage.proxy()->mapToScene(inGame));
        QTest::mouseClick(stage.viewport(), Qt::LeftButton, {}, onScreen);
        const QColor kept = pressed->keptImage().pixelColor(at);
        QCOMPARE(kept, fill);
        // What the child sees at that point of the screen is the fill too.
        const QImage seen = stage.viewport()->grab().toImage();
        QCOMPARE(seen.pixelColor(onScreen), fill);
        QCOMPARE(f.Label1[fill == QColor(Qt::blue) ? 0 : 1]->text(), QString("1"));
        QCOMPARE(stage.release(), &f);
    }

    void keysMoveTheFocus_data()
    {
        // casa in vowel mode with its recording: every letter but the first a is
        // wrong, and a wrong press locks just that letter. The no-accent button is
        // disabled in vowel mode and is passed over. Space, Return and Enter answer
        // as a press at the letter's centre does.
        QTest::addColumn<QList<int>>("locked");
        QTest::addColumn<int>("start");  // a letter, or -1 for the window's first focus
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("focus");
        const int L = Qt::Key_Left, R = Qt::Key_Right, T = Qt::Key_Tab, B = Qt::Key_Backtab;
        QTest::newRow("Right moves to the next letter") << QList<int>{} << 0 << QList<int>{R} << "letter 1";
        QTest::newRow("Right skips a letter already answered") << QList<int>{2} << 1 << QList<int>{R} << "letter 3";
        QTest::newRow("Left finds no letter before an answered first")
            << QList<int>{0} << 1 << QList<int>{L} << "letter 1";
        QTest::newRow("3 Tabs: the first letter") << QList<int>{} << -1 << QList<int>{T, T, T} << "letter 0";
        QTest::newRow("11 Tabs: credits, past the disabled no-accent button")
            << QList<int>{} << -1 << QList<int>(11, T) << "Command5";
        QTest::newRow("4 Shift+Tabs: syllable mode") << QList<int>{} << -1 << QList<int>(4, B) << "Command2(1)";
        QTest::newRow("Return answers a wrong letter: on to the next letter")
            << QList<int>{} << 0 << QList<int>{Qt::Key_Return} << "letter 1";
        QTest::newRow("Enter answers a wrong last letter: round to the first")
            << QList<int>{} << 3 << QList<int>{Qt::Key_Enter} << "letter 0";
        QTest::newRow("Space answers the right letter: on to the next word")
            << QList<int>{} << 1 << QList<int>{Qt::Key_Space} << "Command1";
    }

    void keysMoveTheFocus()
    {
        QFETCH(QList<int>, locked);
        QFETCH(int, start);
        QFETCH(QList<int>, keys);
        Window w({"casa,2,ca,NO,"});
        showActive(w);
        Form1 &f = *w.form;
        for (const int i : locked)
            f.Picture1_Mousedown(i, Qt::LeftButton, {}, 1, 1);
        if (start >= 0)
            f.Picture2->letter(start)->setFocus();
        for (const int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                            key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        const QWidget *focus = QApplication::focusWidget();
        QString name = focus == f.Command1 ? "Command1" : focus == f.Command5 ? "Command5" : QString();
        for (int i = 0; i < 3; ++i)
            if (focus == f.Command2[i])
                name = QString("Command2(%1)").arg(i);
        if (focusedLetter(f) >= 0)
            name = QString("letter %1").arg(focusedLetter(f));
        QTEST(name, "focus");
        // Each answering key was judged once, as a press is.
        const auto answering = [](int k) { return k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter; };
        const int judged = f.Label1[0]->text().toInt() + f.Label1[1]->text().toInt();
        QCOMPARE(judged, int(locked.size() + std::count_if(keys.cbegin(), keys.cend(), answering)));
    }

    void focusMarkStaysOutOfTheFill()
    {
        Window w({"casa,2,ca,NO,"});
        showActive(w);
        LetterPicture *a = w.form->Picture2->letter(1);
        QVERIFY(!hasOrange(a->grab().toImage()));
        a->setFocus();
        QVERIFY(hasOrange(a->grab().toImage()));  // seen on screen
        QVERIFY(!hasOrange(a->keptImage()));       // but not in the picture
        // A press on the white just inside the mark fills the white, mark or no mark.
        w.form->Picture1_Mousedown(1, Qt::LeftButton, {}, 4, 4);
        QCOMPARE(a->keptImage().pixelColor(4, 4), QColor(Qt::blue));
        QCOMPARE(a->keptImage().pixelColor(29, 104), QColor(Qt::blue));
        QVERIFY(!hasOrange(a->keptImage()));
    }

    void shortcuts_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("word");  // the word on screen after the key
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("recordingsPlayed");
        QTest::newRow("N: the next word") << int(Qt::Key_N) << "Command1" << "sol" << 0 << 1;
        QTest::newRow("2: syllable mode, the same word") << int(Qt::Key_2) << "Command2(1)" << "casa" << 1 << 2;
    }

    void shortcuts()
    {
        QFETCH(int, key);
        QFETCH(QString, button);
        Window w({"casa,2,ca,NO,", "sol,2,sol,NO,"});
        showActive(w);
        Form1 &f = *w.form;
        QTest::keyClick(&f, Qt::Key(key));
        // A button's shortcut shows the button pressed for a moment, then clicks.
        QTRY_VERIFY(w.item().CurrentWord == "sol" || w.played().count("casa.wav") == 2);
        QTEST(int(w.played().count("casa.wav")), "recordingsPlayed");
        QTEST(w.item().CurrentWord, "word");
        QTEST(int(w.form->answerState().AnswerMode), "mode");
        PictureButton *b = button == "Command1" ? f.Command1 : f.Command2[button.at(9).digitValue()];
        QVERIFY2(b->toolTip().endsWith(QString("(%1)").arg(QKeySequence(key).toString())), qPrintable(b->toolTip()));
    }

    void accessiblePressAnswers()
    {
        Window w({"casa,2,ca,NO,"});
        showActive(w);
        Form1 &f = *w.form;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(f.Picture2->letter(1));
        QVERIFY(a && a->actionInterface());
        QVERIFY(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.Label1[0]->text(), QString("1"));
        QCOMPARE(f.Picture2->letter(1)->keptImage().pixelColor(15, 52), QColor(Qt::blue));
        QVERIFY(a->state().disabled);
        // The counters are read out with their numbers.
        QCOMPARE(QAccessible::queryAccessibleInterface(f.Label1[0])->text(QAccessible::Name),
                 QString("Right answers: 1"));
        QCOMPARE(QAccessible::queryAccessibleInterface(f.Label1[1])->text(QAccessible::Name),
                 QString("Wrong answers: 0"));
    }

    void fullScreenComesAndGoes()
    {
        Window w({"casa,2,ca,NO,"});
        showActive(w);
        Form1 &f = *w.form;
        QTest::keyClick(&f, Qt::Key_F11);
        QVERIFY(f.classroom().isFullScreen());
        FullScreenStage *stage = f.classroom().stage();
        QVERIFY(QTest::qWaitForWindowExposed(stage));
        QVERIFY(stage->isFullScreen());
        QCOMPARE(f.graphicsProxyWidget(), stage->proxy());
        QVERIFY(stage->placement().scale > 1);  // the offscreen screen is 800 x 600
        QTest::keyClick(stage, Qt::Key_Escape);
        QTRY_VERIFY(!f.classroom().isFullScreen());
        QVERIFY(!f.graphicsProxyWidget());
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.size(), QSize(739, 491));
        QVERIFY(f.Command1->hasFocus());
        // The normal window answers as before.
        QTest::mouseClick(f.Picture2->letter(1), Qt::LeftButton, {}, QPoint(15, 50));
        QCOMPARE(f.Label1[0]->text(), QString("1"));
    }

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
        QTest::newRow("a link to a FIFO under another letter case does not count") << "TUBO" << "";
    }

    void locator()
    {
        QFETCH(QString, name);
        QFETCH(QString, found);
        testing::ContentTree tree("a/b/program");
        for (const QString w : {"casa", "Sol", "sol", "niño", ".oculto", "sub/y"})
            QDir().mkpath(QFileInfo(tree.path("sonidospalabras/" + w + ".wav")).path()), tree.recording(w);
        QDir().mkpath(tree.path("sonidospalabras/carpeta.wav"));
        QVERIFY(testing::makeFifo(tree.path("fifo")));
        QVERIFY(QFile::link(tree.path("fifo"), tree.path("sonidospalabras/tubo.wav")));
        QVERIFY(QFile::link(tree.path("fifo"), tree.path("sonidos/fallo.wav")));
        tree.write("../../x.wav", "RIFF");  // outside the program folder
        QVERIFY(QFile::exists(tree.path("../../x.wav")));
        const QString path = ContentLocator(tree.root).wordRecording(name);
        QCOMPARE(QFileInfo(path).fileName(), found);
        if (!found.isEmpty())
            QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(tree.path("sonidospalabras")).absoluteFilePath());
        QCOMPARE(ContentLocator(tree.root).feedbackSound("fallo"), QString());  // never handed to the player
    }
};

QTEST_MAIN(TestClassroom)
#include "tst_classroom.moc"
