#include "content/exerciseline.h"

#include <QTest>

using namespace tildora;

// The item before every parse in these tests, so that kept values show.
static ExerciseState previousItem()
{
    ExerciseState s;
    s.CurrentWord = "sol";
    s.StressPosition = 2;
    s.StressedSyllable = "sol";
    s.AccentLetter = "NO";
    return s;
}

class TestExerciseLine : public QObject
{
    Q_OBJECT
private slots:
    void parsesFields_data();
    void parsesFields();
    void wrapsAndAdvances_data();
    void wrapsAndAdvances();
    void noAccentMarker_data();
    void noAccentMarker();
    void hostileLinesAreBounded();
};

void TestExerciseLine::parsesFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("syllable");
    QTest::addColumn<QString>("accent");

    QTest::newRow("llana sin tilde: casa") << "casa,2,ca,NO," << "casa" << 2 << "ca" << "NO";
    QTest::newRow("ñ and ü kept") << QString("pingüino,6,güi,NO,") << QString("pingüino") << 6 << QString("güi") << "NO";
    QTest::newRow("no fourth comma keeps the accent")
        << "casa,2,ca,NO" << "casa" << 2 << "ca" << "NO";
    QTest::newRow("one comma sets the word") << "pan,7" << "pan" << 2 << "sol" << "NO";
    QTest::newRow("no comma changes nothing") << "casa" << "sol" << 2 << "sol" << "NO";
    QTest::newRow("blanks around the position") << "casa, 2 ,ca,NO," << "casa" << 2 << "ca" << "NO";
    QTest::newRow("position 2.5 rounds to 2") << "casa,2.5,ca,NO," << "casa" << 2 << "ca" << "NO";
    QTest::newRow("letters in position give 0") << "casa,x,ca,NO," << "casa" << 0 << "ca" << "NO";
    QTest::newRow("300 keeps the position") << "casa,300,ca,NO," << "casa" << 2 << "ca" << "NO";
    QTest::newRow("1e300 keeps the position") << "casa,1e300,ca,NO," << "casa" << 2 << "ca" << "NO";
    QTest::newRow("text after the fourth comma ignored") << "sol,2,sol,NO,extra text" << "sol" << 2 << "sol" << "NO";
    QTest::newRow("empty fields are fields") << ",,,," << "" << 0 << "" << "";
}

void TestExerciseLine::parsesFields()
{
    QFETCH(QString, line);
    ExerciseState s = previousItem();
    parseCurrentItem(s, ExerciseLines::fromStringList({line}));
    QTEST(s.CurrentWord, "word");
    QTEST(int(s.StressPosition), "position");
    QTEST(s.StressedSyllable, "syllable");
    QTEST(s.AccentLetter, "accent");
    QCOMPARE(s.ItemIndex, 0);
}

void TestExerciseLine::wrapsAndAdvances_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("itemIndex");
    QTest::addColumn<int>("expectedIndex");
    QTest::addColumn<QString>("expectedWord");
    QTest::newRow("last line") << 3 << 2 << 2 << "w2";
    QTest::newRow("past the last line wraps") << 3 << 3 << 0 << "w0";
    QTest::newRow("negative index wraps") << 3 << -1 << 0 << "w0";
    QTest::newRow("empty list resets the index") << 0 << 5 << 0 << "sol";
}

void TestExerciseLine::wrapsAndAdvances()
{
    QFETCH(int, lineCount);
    QFETCH(int, itemIndex);
    QStringList lines;
    for (int i = 0; i < lineCount; ++i)
        lines << QString("w%1,1,w,NO,").arg(i);
    ExerciseState s = previousItem();
    s.ItemIndex = itemIndex;
    parseCurrentItem(s, ExerciseLines::fromStringList(lines));
    QTEST(s.ItemIndex, "expectedIndex");
    QTEST(s.CurrentWord, "expectedWord");
}

void TestExerciseLine::noAccentMarker_data()
{
    QTest::addColumn<QString>("accent");
    QTest::addColumn<bool>("isMarker");
    QTest::newRow("NO") << "NO" << true;
    QTest::newRow("No") << "No" << true;
    QTest::newRow("blank before") << " NO" << false;
    QTest::newRow("accented letter") << QString("á") << false;
}

void TestExerciseLine::noAccentMarker()
{
    QFETCH(QString, accent);
    QTEST(isNoAccentMarker(accent), "isMarker");
}

void TestExerciseLine::hostileLinesAreBounded()
{
    // A megabyte-long line without commas is one word-less line: nothing changes.
    ExerciseState s = previousItem();
    parseCurrentItem(s, ExerciseLines::fromStringList({QString(1 << 20, QLatin1Char('a'))}));
    QCOMPARE(s.CurrentWord, QString("sol"));
    // A megabyte-long word is taken whole.
    const QString longWord(1 << 20, QLatin1Char('b'));
    parseCurrentItem(s, ExerciseLines::fromStringList({longWord + ",1,b,NO,"}));
    QCOMPARE(s.CurrentWord.size(), longWord.size());
    // A line of commas only gives empty fields.
    parseCurrentItem(s, ExerciseLines::fromStringList({QString(1 << 20, QLatin1Char(','))}));
    QCOMPARE(s.CurrentWord, QString());
    QCOMPARE(s.AccentLetter, QString());
}

QTEST_APPLESS_MAIN(TestExerciseLine)
#include "tst_exerciseline.moc"
