// Syllables and stress of real words, grouped by rule; and the hand-cut
// words of the bundled exercises, which the rules must cut the same way.
#include "authoring/stress.h"
#include "authoring/syllables.h"

#include <QFile>
#include <QTest>

using namespace tildora;

class TestSyllables : public QObject
{
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void bundledWordsAreCutAsByHand();
    void refusals_data();
    void refusals();
};

void TestSyllables::rules_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("syllables");
    QTest::addColumn<QString>("stressed");
    QTest::addColumn<int>("position");
    const auto row = [](const char *name, const char *word, const char *syllables, const char *stressed, int position) {
        QTest::newRow(name) << QString::fromUtf8(word) << QString::fromUtf8(syllables) << QString::fromUtf8(stressed)
                            << position;
    };
    // Diphthongs: a weak vowel with a strong one, or two weak ones.
    row("diphthong ie: cielo", "cielo", "cie-lo", "cie", 3);
    row("diphthong ue: huevo", "huevo", "hue-vo", "hue", 3);
    row("diphthong ai: aire", "aire", "ai-re", "ai", 1);
    row("diphthong au: jaula", "jaula", "jau-la", "jau", 2);
    row("diphthong ui, stress on the second: ruido", "ruido", "rui-do", "rui", 3);
    row("diphthong iu: ciudad", "ciudad", "ciu-dad", "dad", 5);
    row("diphthong with tilde: camión", "camión", "ca-mión", "mion", 5);
    row("diphthong ei with tilde: béisbol", "béisbol", "béis-bol", "beis", 2);
    row("weak pair with tilde stays: cuídate", "cuídate", "cuí-da-te", "cui", 3);
    // Hiatus: a stressed í or ú beside a strong vowel.
    row("hiatus aí: país", "país", "pa-ís", "is", 3);
    row("hiatus ío: río", "río", "rí-o", "ri", 2);
    row("hiatus aí: maíz", "maíz", "ma-íz", "iz", 3);
    row("hiatus aú: baúl", "baúl", "ba-úl", "ul", 3);
    row("hiatus oí, then ía: oía", "oía", "o-í-a", "i", 2);
    // Two strong vowels.
    row("two strong vowels: poeta", "poeta", "po-e-ta", "e", 3);
    row("two strong vowels: león", "león", "le-ón", "on", 3);
    row("the same vowel twice: leer", "leer", "le-er", "er", 3);
    row("strong vowels in an esdrújula: héroe", "héroe", "hé-ro-e", "he", 2);
    // Triphthongs.
    row("triphthong iau: miau", "miau", "miau", "miau", 3);
    row("triphthong uau: guau", "guau", "guau", "guau", 3);
    row("triphthong uei with final y: buey", "buey", "buey", "buey", 3);
    row("triphthong with tilde: averiguáis", "averiguáis", "a-ve-ri-guáis", "guais", 8);
    // The silent u of que qui gue gui, and the sounding ü.
    row("que: queso", "queso", "que-so", "que", 3);
    row("qui: mosquito", "mosquito", "mos-qui-to", "qui", 6);
    row("gue: juguete", "juguete", "ju-gue-te", "gue", 5);
    row("gui: guitarra", "guitarra", "gui-ta-rra", "ta", 5);
    row("gua sounds its u: paraguas", "paraguas", "pa-ra-guas", "ra", 4);
    row("güi: pingüino", "pingüino", "pin-güi-no", "güi", 6);
    row("güe: cigüeña", "cigüeña", "ci-güe-ña", "güe", 5);
    // y as a vowel at the end of a word; a consonant elsewhere.
    row("final y: rey", "rey", "rey", "rey", 2);
    row("final y, aguda: estoy", "estoy", "es-toy", "toy", 4);
    row("final y after u: muy", "muy", "muy", "muy", 2);
    row("y before a vowel: mayo", "mayo", "ma-yo", "ma", 2);
    row("y alone, unstressed", "y", "y", "", 0);
    // h between vowels.
    row("h in a hiatus: búho", "búho", "bú-ho", "bu", 2);
    row("h between strong vowels: ahora", "ahora", "a-ho-ra", "ho", 3);
    row("h inside a diphthong: prohibir", "prohibir", "prohi-bir", "bir", 7);
    row("h inside a diphthong: ahumado", "ahumado", "ahu-ma-do", "ma", 5);
    row("h with a stressed í: vehículo", "vehículo", "ve-hí-cu-lo", "hi", 4);
    row("h at the start: huevo's kin hielo", "hielo", "hie-lo", "hie", 3);
    // Consonant clusters: ch ll rr, pr bl tr ... start a syllable.
    row("ch ll rr are one consonant: chocolate", "chocolate", "cho-co-la-te", "la", 7);
    row("ll: caballo", "caballo", "ca-ba-llo", "ba", 4);
    row("rr: perro", "perro", "pe-rro", "pe", 2);
    row("pr: compra", "compra", "com-pra", "com", 2);
    row("bl: tabla", "tabla", "ta-bla", "ta", 2);
    row("tr three consonants: instrumento", "instrumento", "ins-tru-men-to", "men", 8);
    row("two separate consonants: carta", "carta", "car-ta", "car", 2);
    row("three, the last two part: obstáculo", "obstáculo", "obs-tá-cu-lo", "ta", 5);
    row("tl parts: atlas", "atlas", "at-las", "at", 1);
    // x between vowels starts the next syllable.
    row("x: examen", "examen", "e-xa-men", "xa", 3);
    row("x: taxi", "taxi", "ta-xi", "ta", 2);
    row("x before a consonant: texto", "texto", "tex-to", "tex", 2);
    // Monosyllables.
    row("monosyllable: sol", "sol", "sol", "sol", 2);
    row("monosyllable: pan", "pan", "pan", "pan", 2);
    row("monosyllable: tren", "tren", "tren", "tren", 3);
    // Agudas, llanas, esdrújulas and sobresdrújulas, with and without tilde.
    row("aguda sin tilde: reloj", "reloj", "re-loj", "loj", 4);
    row("aguda con tilde: sofá", "sofá", "so-fá", "fa", 4);
    row("aguda con tilde en n: canción", "canción", "can-ción", "cion", 6);
    row("llana sin tilde: casa", "casa", "ca-sa", "ca", 2);
    row("llana en s sin tilde: lunes", "lunes", "lu-nes", "lu", 2);
    row("llana con tilde: árbol", "árbol", "ár-bol", "ar", 1);
    row("llana con tilde: azúcar", "azúcar", "a-zú-car", "zu", 3);
    row("esdrújula: murciélago", "murciélago", "mur-cié-la-go", "cie", 6);
    row("esdrújula, repeated syllable: matemáticas", "matemáticas", "ma-te-má-ti-cas", "ma", 6);
    row("sobresdrújula: cómetelo", "cómetelo", "có-me-te-lo", "co", 2);
    row("capital letters keep their case: Ángel", "Ángel", "Án-gel", "An", 1);
}

void TestSyllables::rules()
{
    QFETCH(QString, word);
    QFETCH(QString, syllables);
    QFETCH(QString, stressed);
    QFETCH(int, position);
    QCOMPARE(syllabify(word).join('-'), syllables);
    if (position == 0)
        return;  // syllables only
    const auto item = itemFromWord(word);
    QVERIFY(item);
    QCOMPARE(item->syllable, stressed);
    QCOMPARE(item->position, position);
}

void TestSyllables::bundledWordsAreCutAsByHand()
{
    QFile source(QStringLiteral(TILDORA_SOURCE_DIR "/tools/contentgen/palabras.txt"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    int words = 0;
    for (const QString &line : QString::fromUtf8(source.readAll()).split('\n')) {
        if (line.startsWith('#') || line.startsWith('['))
            continue;
        for (const QString &cut : line.split(' ', Qt::SkipEmptyParts)) {
            QString word = cut;
            word.remove('-');
            QCOMPARE(syllabify(word).join('-'), cut);
            ++words;
        }
    }
    QVERIFY(words >= 150);
}

void TestSyllables::refusals_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a blank") << "buenos días" << "is not a letter";
    QTest::newRow("a digit") << "casa2" << "is not a letter";
    QTest::newRow("no vowel") << "psst" << "has no vowel";
    QTest::newRow("third occurrence") << QString("cacacá") << "occurs too often";
    QTest::newRow("stressed ü, which has no accented form: olÜlo") << QString("olÜlo") << "cannot take a written accent";
}

void TestSyllables::refusals()
{
    QFETCH(QString, word);
    QFETCH(QString, reason);
    QString why;
    QVERIFY(!itemFromWord(word, &why));
    QVERIFY2(why.contains(reason), qPrintable(why));
}

QTEST_APPLESS_MAIN(TestSyllables)
#include "tst_syllables.moc"
