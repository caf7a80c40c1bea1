// Syllables and stress of real words: the acceptance list over every rule
// class, a few cases it leaves out, and the hand-cut words of the bundled
// exercises, which the rules must cut the same way.
#include "authoring/stress.h"
#include "authoring/syllables.h"

#include <QRegularExpression>
#include <QTest>

#include "../support/files.h"

using namespace tildora;

class TestSyllables : public QObject
{
    Q_OBJECT
private slots:
    void rules_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("syllables");
        QTest::addColumn<QString>("stressed");
        QTest::addColumn<int>("position");
        // Cases the acceptance list leaves out.
        QTest::newRow("diphthong ei with tilde: béisbol") << "béisbol" << "béis-bol" << "beis" << 2;
        QTest::newRow("y alone, unstressed") << "y" << "y" << "" << 0;
        QTest::newRow("llana en s sin tilde: lunes") << "lunes" << "lu-nes" << "lu" << 2;
        QTest::newRow("esdrújula, repeated syllable: matemáticas") << "matemáticas" << "ma-te-má-ti-cas" << "ma" << 6;
        QTest::newRow("an h before a consonant ends its syllable: dahlia") << "dahlia" << "dah-lia" << "" << 0;
        QTest::newRow("an h never joins the pair after it (made-up): ahbra") << "ahbra" << "ah-bra" << "" << 0;
        QTest::newRow("capital letters keep their case: Ángel") << "Ángel" << "Án-gel" << "An" << 1;
    }

    void rules()
    {
        QFETCH(QString, word);
        QFETCH(QString, syllables);
        QFETCH(int, position);
        QCOMPARE(syllabify(word).join('-'), syllables);
        if (position == 0)
            return;  // syllables only
        const auto item = itemFromWord(word);
        QVERIFY(item);
        QTEST(item->syllable, "stressed");
        QCOMPARE(item->position, position);
    }

    void bundledWordsAreCutAsByHand()
    {
        const QByteArray source = testing::readFile(TILDORA_SOURCE_DIR "/tools/contentgen/palabras.txt");
        int words = 0;
        for (const QString &line : QString::fromUtf8(source).split('\n')) {
            if (line.startsWith('#') || line.startsWith('['))
                continue;
            // "word: sentence" lines and "singular/plural" pairs
            const QString cuts = line.contains(':') ? line.section(':', 0, 0) : line;
            for (const QString &cut : cuts.split(QRegularExpression("[ /]"), Qt::SkipEmptyParts)) {
                QString word = cut;
                word.remove('-');
                QCOMPARE(syllabify(word).join('-'), cut);
                ++words;
            }
        }
        QVERIFY(words >= 150);
    }

    void acceptanceList_data()
    {
        QTest::addColumn<QString>("cut");
        QTest::addColumn<int>("stressedSyllable");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("accent");
        const QByteArray list = testing::readFile(TILDORA_SOURCE_DIR "/tests/authoring/silabas-aceptacion.txt");
        int rows = 0;
        for (const QString &line : QString::fromUtf8(list).split('\n')) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QStringList f = line.split(' ');
            QVERIFY2(f.size() == 4, qPrintable(line));
            QTest::newRow(qPrintable(f[0])) << f[0] << f[1].toInt() << f[2].toInt() << f[3];
            ++rows;
        }
        QVERIFY(rows >= 250);
    }

    // Syllables, stressed syllable, stressed vowel and accent field of each word.
    void acceptanceList()
    {
        QFETCH(QString, cut);
        QFETCH(int, stressedSyllable);
        QFETCH(int, position);
        QFETCH(QString, accent);
        const QString word = QString(cut).remove('-');
        QCOMPARE(syllabify(word).join('-'), cut);
        const auto item = itemFromWord(word);
        QVERIFY(item);
        QCOMPARE(item->syllable, withoutWrittenAccent(cut.split('-').at(stressedSyllable - 1)));
        QCOMPARE(item->position, position);
        QCOMPARE(item->accent, accent);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a blank") << "buenos días" << "is not a letter";
        QTest::newRow("no vowel") << "psst" << "has no vowel";
        QTest::newRow("third occurrence") << "cacacá" << "occurs too often";
        QTest::newRow("stressed ü, which has no accented form: olÜlo") << "olÜlo" << "cannot take a written accent";
    }

    void refusals()
    {
        QFETCH(QString, word);
        QFETCH(QString, reason);
        QString why;
        QVERIFY(!itemFromWord(word, &why));
        QVERIFY2(why.contains(reason), qPrintable(why));
    }
};

QTEST_APPLESS_MAIN(TestSyllables)
#include "tst_syllables.moc"
