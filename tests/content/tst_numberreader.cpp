#include "content/numberreader.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace tildora;

class TestNumberReader : public QObject
{
    Q_OBJECT
private slots:
    void readsLeadingNumber_data();
    void readsLeadingNumber();
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void hugeInputIsBounded();
};

void TestNumberReader::readsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "2" << 2.0;
    QTest::newRow("blanks around") << " 2 " << 2.0;
    QTest::newRow("blanks inside the number") << "  3 .5" << 3.5;
    QTest::newRow("blanks between sign and digits") << " - 2" << -2.0;
    QTest::newRow("tab and no-break space") << QString("\t1\u00A02") << 12.0;
    QTest::newRow("decimal point") << "2.5" << 2.5;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("comma is no decimal separator") << "2,5" << 2.0;
    QTest::newRow("letters stop") << "12abc" << 12.0;
    QTest::newRow("no leading number") << "x" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("only blanks") << "   " << 0.0;
    QTest::newRow("only a sign") << "-" << 0.0;
    QTest::newRow("only a point") << "." << 0.0;
    QTest::newRow("negative fraction") << "-0.4" << -0.4;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("two signs") << "--7" << 0.0;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("exponent with D") << "1D2" << 100.0;
    QTest::newRow("negative exponent") << "25e-1" << 2.5;
    QTest::newRow("exponent without digits") << "3e" << 3.0;
    QTest::newRow("exponent sign without digits") << "3e+x" << 3.0;
    QTest::newRow("exponent after nothing") << "e5" << 0.0;
    QTest::newRow("zero with exponent") << "0e5" << 0.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("hex prefix is not a number") << "&H10" << 0.0;
    QTest::newRow("large exponent") << "1e300" << 1e300;
    QTest::newRow("underflow is zero") << "1e-400" << 0.0;
    QTest::newRow("tiny without exponent") << "0." + QString(400, '0') + "1" << 0.0;
    QTest::newRow("full-width digit is no digit") << QString("\uFF12") << 0.0;
}

void TestNumberReader::readsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(readNumber(text), expected);
}

void TestNumberReader::roundsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("2.5 down to even") << 2.5 << 2.0;
    QTest::newRow("3.5 up to even") << 3.5 << 4.0;
    QTest::newRow("0.5 to zero") << 0.5 << 0.0;
    QTest::newRow("-0.5 to zero") << -0.5 << 0.0;
    QTest::newRow("-1.5 to -2") << -1.5 << -2.0;
    QTest::newRow("below half") << 2.4999 << 2.0;
    QTest::newRow("above half") << 2.5001 << 3.0;
    QTest::newRow("whole stays") << 7.0 << 7.0;
    QTest::newRow("huge stays") << 1e300 << 1e300;
}

void TestNumberReader::roundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(roundHalfEven(value), expected);
}

void TestNumberReader::hugeInputIsBounded()
{
    // A megabyte of digits is an enormous number, not a hang or a crash.
    const QString digits(1 << 20, QLatin1Char('9'));
    QCOMPARE(readNumber(digits), std::numeric_limits<double>::infinity());
    QVERIFY(!readWholeNumber(digits, 0, 255));
    // A megabyte of blanks before the number is skipped.
    QCOMPARE(readNumber(QString(1 << 20, QLatin1Char(' ')) + "4"), 4.0);
}

QTEST_APPLESS_MAIN(TestNumberReader)
#include "tst_numberreader.moc"
