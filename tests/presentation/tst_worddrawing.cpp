#include "presentation/bounce.h"
#include "presentation/worddrawing.h"

#include "../support/testcontent.h"

#include <QTest>
#include <QTimer>

using namespace tildora;

namespace {

// A strip with its template letter at its design place, as the window has it.
struct Stage {
    testing::ContentTree tree;
    ContentLocator locator{tree.root};
    PictureLoader pictures;
    LetterStrip strip;
    QTimer timer;
    StripState state;
    Bounce bounce{state, strip, timer};
    Stage()
    {
        strip.setTwipGeometry(120, 4680, 7095, 2535);
        strip.letter(0)->setTwipGeometry(120, 600, 1335, 1575);
        state.LetterTop = 600;
        state.Picture2Top = 4680;
    }
    void draw(const QString &word, int windowWidth = 11085) { DrawWord(state, word, {strip, bounce, locator, pictures, windowWidth}); }
    QList<int> lefts() const
    {
        QList<int> l;
        for (int i = 0; i < strip.count(); ++i)
            l << strip.letter(i)->left();
        return l;
    }
};

} // namespace

class TestWordDrawing : public QObject
{
    Q_OBJECT
private slots:
    void casaLayout()
    {
        Stage s;
        s.tree.letter("c", 30);  // 450 twips
        s.tree.letter("a", 25);  // 375 twips
        s.tree.letter("s", 30);
        s.draw("casa");
        QCOMPARE(s.lefts(), (QList<int>{120, 570, 945, 1395}));
        QCOMPARE(s.strip.twipWidth(), 1395 + 375 + 100);
        // Centred across the window, an odd twip left over on the right.
        const int spare = 11085 - s.strip.twipWidth();
        QVERIFY(spare - 2 * s.strip.left() == 0 || spare - 2 * s.strip.left() == 1);
        QCOMPARE(s.state.LetterCount, 4);
    }

    void shorterWordLeavesFewerPictures()
    {
        Stage s;
        s.tree.alphabet();
        s.draw("mariposa");
        QCOMPARE(s.strip.count(), 8);
        s.draw("sol");
        QCOMPARE(s.strip.count(), 3);
        QCOMPARE(s.lefts(), (QList<int>{120, 570, 1020}));
        // A word of 300 letters is drawn whole.
        s.draw(QString(300, QLatin1Char('b')));
        QCOMPARE(s.strip.count(), 300);
        // A megabyte-long "word" (a binary file read as exercises) draws a bounded row.
        s.draw(QString(1 << 20, QLatin1Char('b')) + "a");
        QCOMPARE(s.strip.count(), MaxLetterPictures);
        QCOMPARE(s.state.LetterCount, MaxLetterPictures);
    }

    void missingPicturesKeepTheirImage()
    {
        Stage s;
        s.tree.letter("s", 20);
        s.tree.letter("o", 40);
        // First word, first letter missing: the template has no image yet.
        s.draw("xo");
        QVERIFY(s.strip.letter(0)->picture().isNull());
        QCOMPARE(s.strip.letter(1)->picture().width(), 40);
        s.draw("so");
        QCOMPARE(s.strip.letter(0)->picture().width(), 20);
        // Missing letters: the template keeps the previous first letter, and a
        // new letter shows the copy of the template it started with.
        s.draw("x?o");
        QCOMPARE(s.strip.letter(0)->picture().width(), 20);
        QCOMPARE(s.strip.letter(1)->picture().width(), 20);
        QCOMPARE(s.strip.letter(2)->left(), 120 + 300 + 300);
    }

    void emptyWord()
    {
        Stage s;
        s.tree.alphabet(30);
        s.draw("sol");
        const int width = s.strip.twipWidth();
        const QImage first = s.strip.letter(0)->picture();
        s.draw("", 9000);
        QCOMPARE(s.state.LetterCount, 0);
        QCOMPARE(s.strip.count(), 1);
        QCOMPARE(s.strip.letter(0)->picture(), first);
        QCOMPARE(s.strip.twipWidth(), width);
        QCOMPARE(s.strip.left(), (9000 - width) / 2);  // centred as it stands
    }
};

QTEST_MAIN(TestWordDrawing)
#include "tst_worddrawing.moc"
