// Decoding of teacher's text files: UTF-16 by its mark, UTF-8, Windows-1252.
#include "content/textdecode.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace tildora;

class TestTextDecode : public QObject
{
    Q_OBJECT
private slots:
    void decodes_data();
    void decodes();
    void agreesWithQtOnWellFormedUtf16_data();
    void agreesWithQtOnWellFormedUtf16();
};

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int v : values)
        out += char(v);
    return out;
}

} // namespace

void TestTextDecode::decodes_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-16 LE with mark: árbol")
        << bytes({0xFF, 0xFE, 0xE1, 0, 'r', 0, 'b', 0, 'o', 0, 'l', 0}) << QStringLiteral("árbol");
    QTest::newRow("UTF-16 BE with mark: niño")
        << bytes({0xFE, 0xFF, 0, 'n', 0, 'i', 0, 0xF1, 0, 'o'}) << QStringLiteral("niño");
    QTest::newRow("UTF-16 LE letter beyond the first plane")
        << bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE, 'x', 0}) << QStringLiteral("\U0001F600x");
    QTest::newRow("UTF-16 mark alone is an empty file") << bytes({0xFF, 0xFE}) << QString();
    QTest::newRow("UTF-16 odd last byte becomes a replacement")
        << bytes({0xFF, 0xFE, 'a', 0, 'b'}) << QStringLiteral("a\uFFFD");
    QTest::newRow("UTF-16 lone high surrogate before a letter")
        << bytes({0xFF, 0xFE, 0x3D, 0xD8, 'x', 0}) << QStringLiteral("\uFFFDx");
    QTest::newRow("UTF-16 high surrogate at the end") << bytes({0xFF, 0xFE, 'z', 0, 0x3D, 0xD8})
                                                     << QStringLiteral("z\uFFFD");
    QTest::newRow("UTF-8 with mark: pingüino") << QByteArray("\xEF\xBB\xBF") + QStringLiteral("pingüino").toUtf8()
                                               << QStringLiteral("pingüino");
    QTest::newRow("Windows-1252: canción") << QByteArray("canci\xF3n") << QStringLiteral("canción");
    QTest::newRow("NUL bytes without mark stay single bytes: á as UTF-16 LE")
        << bytes({0xE1, 0, 'r', 0}) << QStringLiteral("á") + QChar(0) + u'r' + QChar(0);
    QTest::newRow("FF alone is Windows-1252") << bytes({0xFF}) << QStringLiteral("ÿ");
    QTest::newRow("FE FF later in the file is not a mark")
        << bytes({'a', 0xFE, 0xFF}) << QStringLiteral("aþÿ");
}

void TestTextDecode::decodes()
{
    QFETCH(QByteArray, input);
    QTEST(decodeExerciseText(input), "text");
}

void TestTextDecode::agreesWithQtOnWellFormedUtf16_data()
{
    QTest::addColumn<bool>("bigEndian");
    QTest::newRow("little endian") << false;
    QTest::newRow("big endian") << true;
}

// Random well-formed text, written by Qt's encoder with a mark, reads back
// unchanged and as Qt's own decoder reads it.
void TestTextDecode::agreesWithQtOnWellFormedUtf16()
{
    QFETCH(bool, bigEndian);
    QRandomGenerator random(20261206);
    for (int round = 0; round < 500; ++round) {
        QString text;
        const int length = random.bounded(40);
        for (int i = 0; i < length; ++i) {
            char32_t c = random.bounded(4) == 0 ? char32_t(random.bounded(0x10000, 0x110000))
                                                : char32_t(random.bounded(0, 0xD800));
            text += QString::fromUcs4(&c, 1);
        }
        QStringEncoder encoder(bigEndian ? QStringEncoder::Utf16BE : QStringEncoder::Utf16LE);
        const QByteArray body = encoder.encode(text);
        const QByteArray file = (bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE")) + body;
        QStringDecoder qt(bigEndian ? QStringDecoder::Utf16BE : QStringDecoder::Utf16LE);
        const QString ours = decodeExerciseText(file);
        QCOMPARE(ours, text);
        QCOMPARE(ours, QString(qt.decode(body)));
    }
}

QTEST_GUILESS_MAIN(TestTextDecode)
#include "tst_textdecode.moc"
