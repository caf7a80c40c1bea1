#include "content/exerciseline.h"
#include "presentation/bounce.h"
#include "presentation/sentenceline.h"
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
        QImage blank(30, 105, QImage::Format_RGB32);
        blank.fill(Qt::white);
        QCOMPARE(s.strip.letter(3)->picture(), blank);
        QCOMPARE(s.strip.twipWidth(), 1470 + 450 + 100);
        // The first letter too, rather than the first letter of the word before.
        s.draw("9o");
        QCOMPARE(s.strip.letter(0)->picture(), blank.scaled(40, 105));
        QCOMPARE(s.lefts(), (QList<int>{120, 720}));
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
    void sentences_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown");  // the sentence as shown, the word in [ ]; empty for none
        QTest::newRow("tú in its sentence, shown without its accent")
            << "tu,2,tu,ú,¿Vienes tú al parque?," << "¿Vienes [tu] al parque?";
        QTest::newRow("commas inside, the line's own comma dropped")
            << "si,2,si,NO,Si llueve, me mojo.," << "[Si] llueve, me mojo.";
        QTest::newRow("without the line's closing comma") << "tu,2,tu,NO,Tu gato duerme." << "[Tu] gato duerme.";
        QTest::newRow("both forms: tu marks the plain one")
            << "tu,2,tu,NO,¿Tú tienes tu mochila?," << "¿Tú tienes [tu] mochila?";
        QTest::newRow("both forms: tú marks the accented one")
            << "tu,2,tu,ú,¿Tú tienes tu mochila?," << "¿[Tu] tienes tu mochila?";
        QTest::newRow("older text after the fourth comma is no sentence") << "sol,2,sol,NO,extra text" << "";
        QTest::newRow("the word only inside another word is no sentence") << "el,1,el,NO,Un elefante.," << "";
        QTest::newRow("a line of three fields has none") << "tu,2,tu," << "";
    }

    void sentences()
    {
        QFETCH(QString, line);
        CurrentItem item;
        item.Sentence = "an earlier line's sentence";
        parseCurrentItem(item, ExerciseLines::fromStringList({line}));
        ShownSentence shown = shownSentence(item);
        if (shown.wordStart >= 0)
            shown.text.insert(shown.wordStart + shown.wordLength, ']').insert(shown.wordStart, '[');
        QTEST(item.Sentence.isEmpty() ? QString() : shown.text, "shown");
    }
};

QTEST_MAIN(TestWordDrawing)
#include "tst_worddrawing.moc"
