#include "authoring/linecheck.h"
#include "authoring/stress.h"

#include <QTest>

using namespace tildora;

class TestStress : public QObject
{
    Q_OBJECT
private slots:
    void itemFromSyllables_data();
    void itemFromSyllables();
    void unanswerableWordsAreRefused();
    void checkLine_data();
    void checkLine();
};

void TestStress::itemFromSyllables_data()
{
    QTest::addColumn<QString>("syllables");
    QTest::addColumn<QString>("line");
    QTest::newRow("llana sin tilde: casa") << "ca-sa" << "casa,2,ca,NO,";
    QTest::newRow("llana con tilde: árbol") << QString("ár-bol") << QString("arbol,1,ar,á,");
    QTest::newRow("aguda sin tilde: reloj") << "re-loj" << "reloj,4,loj,NO,";
    QTest::newRow("aguda con tilde: papá, second pa") << QString("pa-pá") << QString("papa,4,pa,á,");
    QTest::newRow("aguda en n con tilde: camión") << QString("ca-mión") << QString("camion,5,mion,ó,");
    QTest::newRow("llana en s: lunes") << "lu-nes" << "lunes,2,lu,NO,";
    QTest::newRow("esdrújula: matemáticas, second ma") << QString("ma-te-má-ti-cas") << QString("matematicas,6,ma,á,");
    QTest::newRow("esdrújula: hipopótamo") << QString("hi-po-pó-ta-mo") << QString("hipopotamo,6,po,ó,");
    QTest::newRow("sobresdrújula: cómetelo") << QString("có-me-te-lo") << QString("cometelo,2,co,ó,");
    QTest::newRow("diptongo: cielo") << "cie-lo" << "cielo,3,cie,NO,";
    QTest::newRow("two weak vowels, the second: ruido") << "rui-do" << "ruido,3,rui,NO,";
    QTest::newRow("hiato con tilde: país") << QString("pa-ís") << QString("pais,3,is,í,");
    QTest::newRow("h between vowels: búho") << QString("bú-ho") << QString("buho,2,bu,ú,");
    QTest::newRow("two strong vowels: poeta") << "po-e-ta" << "poeta,3,e,NO,";
    QTest::newRow("silent u: queso") << "que-so" << "queso,3,que,NO,";
    QTest::newRow("ü kept: pingüino") << QString("pin-güi-no") << QString("pingüino,6,güi,NO,");
    QTest::newRow("final y is no vowel: rey") << "rey" << "rey,2,rey,NO,";
    QTest::newRow("final y, aguda: estoy") << "es-toy" << "estoy,4,toy,NO,";
    QTest::newRow("triptongo: miau") << "miau" << "miau,3,miau,NO,";
    QTest::newRow("monosyllable: sol") << "sol" << "sol,2,sol,NO,";
    QTest::newRow("one vowel syllable: año") << QString("a-ño") << QString("año,1,a,NO,");
    QTest::newRow("capital accent: Ángel") << QString("Án-gel") << QString("Angel,1,An,Á,");
}

void TestStress::itemFromSyllables()
{
    QFETCH(QString, syllables);
    const auto item = tildora::itemFromSyllables(syllables.split('-'));
    QVERIFY(item);
    QTEST(formatExerciseLine(*item), "line");
    QVERIFY(checkExerciseLine(formatExerciseLine(*item)).isEmpty());
}

void TestStress::unanswerableWordsAreRefused()
{
    // The stressed "ca" is the third one: the window only ever looks for two.
    QString why;
    QVERIFY(!tildora::itemFromSyllables({"ca", "ca", "cá"}, &why));
    QVERIFY(why.contains("occurs too often"));
    QVERIFY(!tildora::itemFromSyllables({"prr"}, &why));
    QVERIFY(why.contains("no vowel"));
}

void TestStress::checkLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");  // empty: no problem
    QTest::newRow("good") << "casa,2,ca,NO," << "";
    QTest::newRow("good, accent") << QString("arbol,1,ar,á,") << "";
    QTest::newRow("marker in small letters") << "casa,2,ca,no," << "";
    QTest::newRow("three fields") << "casa,2,ca,NO" << "fewer than four fields";
    QTest::newRow("position not a number") << "casa,dos,ca,NO," << "is not a whole number";
    QTest::newRow("position with a fraction") << "casa,2.5,ca,NO," << "is not a whole number";
    QTest::newRow("position past the word") << "casa,5,ca,NO," << "outside the word";
    QTest::newRow("position zero") << "casa,0,ca,NO," << "outside the word";
    QTest::newRow("position on a consonant") << "casa,1,ca,NO," << "not a vowel";
    QTest::newRow("syllable not in the word") << "casa,2,co,NO," << "is not in the word";
    QTest::newRow("syllable with a blank") << "casa,2, ca,NO," << "is not in the word";
    QTest::newRow("marked syllable misses the vowel") << "casa,4,ca,NO," << "does not hold position 4";
    QTest::newRow("accent of another vowel") << QString("arbol,1,ar,ó,") << "neither NO nor";
    QTest::newRow("accent with a blank") << "casa,2,ca, NO," << "neither NO nor";
    QTest::newRow("accented word") << QString("árbol,1,ár,á,") << "accented vowel";
}

void TestStress::checkLine()
{
    QFETCH(QString, line);
    QFETCH(QString, message);
    const QList<LineProblem> problems = checkExerciseLine(line);
    if (message.isEmpty()) {
        QVERIFY(problems.isEmpty());
        return;
    }
    QVERIFY(!problems.isEmpty());
    QVERIFY2(problems.first().message.contains(message), qPrintable(problems.first().message));
}

QTEST_APPLESS_MAIN(TestStress)
#include "tst_stress.moc"
