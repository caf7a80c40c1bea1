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
    ExerciseState state;
    Bounce bounce{state, strip, timer};
    Stage()
    {
        strip.setTwipGeometry(120, 4680, 7095, 2535);
        strip.letter(0)->setTwipGeometry(120, 600, 1335, 1575);
        state.LetterTop = 600;
        state.Picture2Top = 4680;
    }
    void draw(const QString &word, int position = 1, const QString &syllable = {}, int windowWidth = 11085)
    {
        state.CurrentWord = word;
        state.StressPosition = std::uint8_t(position);
        state.StressedSyllable = syllable;
        DrawWord(state, {strip, bounce, locator, pictures, windowWidth});
    }
    QList<int> lefts() const
    {
        QList<int> l;
        for (int i = 0; i < strip.count(); ++i)
            l << strip.letter(i)->left();
        return l;
    }
};

QList<int> marked(const ExerciseState &s)
{
    QList<int> positions;
    for (std::size_t p = 0; p < s.SyllableMask.size(); ++p)
        if (s.SyllableMask[p])
            positions << int(p);
    return positions;
}

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
        s.draw("casa", 2, "ca");
        QCOMPARE(s.lefts(), (QList<int>{120, 570, 945, 1395}));
        QCOMPARE(s.strip.twipWidth(), 1395 + 375 + 100);
        QCOMPARE(s.strip.left(), (11085 - 1870) / 2);
        QCOMPARE(s.state.LetterCount, 4);
    }

    void syllableMarks_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("syllable");
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("positions");
        QTest::newRow("papa stressed at 4: second pa") << "papa" << 4 << "pa" << 3 << QList<int>{3, 4};
        QTest::newRow("syllable missing marks 0..L-1") << "casa" << 2 << "xyz" << 0 << QList<int>{0, 1, 2};
        QTest::newRow("empty syllable marks nothing") << "casa" << 2 << "" << 2 << QList<int>{};
        QTest::newRow("case-sensitive search") << "Casa" << 2 << "ca" << 0 << QList<int>{0, 1};
    }

    void syllableMarks()
    {
        QFETCH(QString, word);
        QFETCH(int, position);
        QFETCH(QString, syllable);
        ExerciseState s;
        s.CurrentWord = word;
        s.StressPosition = std::uint8_t(position);
        s.StressedSyllable = syllable;
        s.SyllableHits = 3;
        markStressedSyllable(s);
        QTEST(s.SyllableStart, "start");
        QTEST(marked(s), "positions");
        QCOMPARE(s.SyllableHits, 0);
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
        // A word of 300 letters is drawn, and its syllable marked past letter 255.
        const QString longWord = QString(249, QLatin1Char('b')) + "cas" + QString(48, QLatin1Char('b'));
        s.draw(longWord, 251, "cas");
        QCOMPARE(s.strip.count(), 300);
        QCOMPARE(s.state.SyllableStart, 250);
        QCOMPARE(marked(s.state), (QList<int>{250, 251, 252}));
        // A megabyte-long "word" (a binary file read as exercises) draws a bounded row.
        s.draw(QString(1 << 20, QLatin1Char('b')) + "a", 1, "b");
        QCOMPARE(s.strip.count(), MaxLetterPictures);
        QCOMPARE(s.state.LetterCount, MaxLetterPictures);
    }

    // A letter without a picture leaves its place blank, as wide as the word's
    // letters on average: it never shows another letter (sol9 was "sols").
    void missingPictureLeavesABlank()
    {
        Stage s;
        s.tree.letter("s", 20);
        s.tree.letter("o", 40);
        s.tree.letter("l", 30);
        s.draw("sol9");
        QCOMPARE(s.lefts(), (QList<int>{120, 420, 1020, 1470}));
        const auto blank = [](int width) {
            QImage white(width, 105, QImage::Format_RGB32);
            white.fill(Qt::white);
            return white;
        };
        QCOMPARE(s.strip.letter(3)->picture(), blank(30));
        QCOMPARE(s.strip.twipWidth(), 1470 + 450 + 100);
        // The first letter too, rather than the first letter of the word before.
        s.draw("9o");
        QCOMPARE(s.strip.letter(0)->picture(), blank(40));
        QCOMPARE(s.lefts(), (QList<int>{120, 720}));
    }

    void emptyWord()
    {
        Stage s;
        s.tree.alphabet(30);
        s.draw("sol", 2, "sol");
        const int width = s.strip.twipWidth();
        const QImage first = s.strip.letter(0)->picture();
        s.draw("", 0, "", 9000);
        QCOMPARE(s.state.LetterCount, 0);
        QCOMPARE(s.strip.count(), 1);
        QCOMPARE(s.strip.letter(0)->picture(), first);
        QCOMPARE(s.strip.twipWidth(), width);
        QCOMPARE(s.strip.left(), (9000 - width) / 2);
    }
};

QTEST_MAIN(TestWordDrawing)
#include "tst_worddrawing.moc"
