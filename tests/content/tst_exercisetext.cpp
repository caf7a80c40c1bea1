// Reading teachers' exercise files: the text in any of its encodings, its lines,
// the fields of a line and the numbers in them, and the folder of files.
#include "content/exerciselibrary.h"
#include "content/exerciseline.h"
#include "content/exercisewriter.h"
#include "content/numberreader.h"
#include "content/textdecode.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

#include "../support/files.h"

using namespace tildora;
using testing::writeFile;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int v : values)
        out += char(v);
    return out;
}

} // namespace

static CurrentItem previousItem()
{
    CurrentItem s;
    s.CurrentWord = "sol";
    s.StressPosition = 2;
    s.StressedSyllable = "sol";
    s.AccentLetter = "NO";
    return s;
}

class TestExerciseText : public QObject
{
    Q_OBJECT
private slots:
    void decodes_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-16 LE with mark: árbol")
            << bytes({0xFF, 0xFE, 0xE1, 0, 'r', 0, 'b', 0, 'o', 0, 'l', 0}) << "árbol";
        QTest::newRow("UTF-16 BE with mark: niño") << bytes({0xFE, 0xFF, 0, 'n', 0, 'i', 0, 0xF1, 0, 'o'}) << "niño";
        QTest::newRow("UTF-16 LE letter beyond the first plane")
            << bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE, 'x', 0}) << "\U0001F600x";
        QTest::newRow("UTF-16 mark alone is an empty file") << bytes({0xFF, 0xFE}) << QString();
        QTest::newRow("UTF-16 odd last byte becomes a replacement") << bytes({0xFF, 0xFE, 'a', 0, 'b'}) << "a\uFFFD";
        QTest::newRow("UTF-16 lone high surrogate before a letter")
            << bytes({0xFF, 0xFE, 0x3D, 0xD8, 'x', 0}) << "\uFFFDx";
        QTest::newRow("UTF-16 high surrogate at the end") << bytes({0xFF, 0xFE, 'z', 0, 0x3D, 0xD8}) << "z\uFFFD";
        QTest::newRow("UTF-8 with mark: pingüino") << QByteArray("\xEF\xBB\xBF") + QStringLiteral("pingüino").toUtf8()
                                                   << "pingüino";
        QTest::newRow("Windows-1252: canción") << QByteArray("canci\xF3n") << "canción";
        QTest::newRow("Windows-1252 euro and quotes") << QByteArray("\x80\x93x\x94") << "\u20AC\u201Cx\u201D";
        QTest::newRow("invalid UTF-8 falls back to Windows-1252")
            << QByteArray("\xC3\xB1o\xF1o") << "\u00C3\u00B1o\u00F1o";
        QTest::newRow("NUL bytes without mark stay single bytes: á as UTF-16 LE")
            << bytes({0xE1, 0, 'r', 0}) << QStringLiteral("á") + QChar(0) + u'r' + QChar(0);
        QTest::newRow("FF alone is Windows-1252") << bytes({0xFF}) << "ÿ";
        QTest::newRow("FE FF later in the file is not a mark") << bytes({'a', 0xFE, 0xFF}) << "aþÿ";
    }

    void decodes()
    {
        QFETCH(QByteArray, input);
        QTEST(decodeExerciseText(input), "text");
    }

    void agreesWithQtOnWellFormedUtf16_data()
    {
        QTest::addColumn<bool>("bigEndian");
        QTest::newRow("little endian") << false;
        QTest::newRow("big endian") << true;
    }

    // Random well-formed text, written by Qt's encoder with a mark, reads back
    // unchanged and as Qt's own decoder reads it.
    void agreesWithQtOnWellFormedUtf16()
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

    void listsOrdinaryFilesByName_data()
    {
        QTest::addColumn<QStringList>("entries");  // a name ending in '/' is a folder
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("case-insensitive order")
            << QStringList{"b.txt", "A.txt", "c.dat"} << QStringList{"A.txt", "b.txt", "c.dat"};
        QTest::newRow("hidden files and folders left out")
            << QStringList{".oculto.txt", "01-agudas.txt", "sub/", ".git/"} << QStringList{"01-agudas.txt"};
        QTest::newRow("accented capitals fold too") << QStringList{"Ñu.txt", "ña.txt"} << QStringList{"ña.txt", "Ñu.txt"};
        QTest::newRow("FIFOs and links to a FIFO or a device left out")
            << QStringList{"a.txt", "tubo.txt|", "enlace.txt>tubo.txt", "cero.txt>/dev/zero", "otro.txt>a.txt"}
            << QStringList{"a.txt", "otro.txt"};
    }

    void listsOrdinaryFilesByName()
    {
        QFETCH(QStringList, entries);
        QTemporaryDir dir;
        const QDir at(dir.path());
        for (const QString &entry : entries) {
            if (entry.endsWith('/'))
                QVERIFY(QDir(dir.path()).mkdir(entry));
            else if (entry.endsWith('|'))
                QVERIFY(testing::makeFifo(dir.filePath(entry.chopped(1))));
            else if (entry.contains('>'))
                QVERIFY(QFile::link(at.filePath(entry.section('>', 1)), at.filePath(entry.section('>', 0, 0))));
            else
                writeFile(dir.filePath(entry), "x,1,x,NO,\r\n");
        }
        QTEST(listExerciseFiles(dir.path()), "expected");
    }

    // Only a regular file is read, whatever is found under the name, and
    // nothing ever waits on a FIFO or a device.
    void readsOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("name");  // "link>TARGET" is a link
        QTest::addColumn<QString>("reason");  // part of it; empty when the file is read
        QTest::newRow("a file") << "file" << "";
        QTest::newRow("a link to a file") << "link>file" << "";
        QTest::newRow("a FIFO") << "fifo" << "not a regular file";
        QTest::newRow("a link to a FIFO") << "link>fifo" << "not a regular file";
        QTest::newRow("a link to a device") << "link>/dev/zero" << "not a regular file";
        QTest::newRow("a folder") << "folder" << "it is a folder";
        QTest::newRow("a missing file") << "missing" << "No such file";
        QTest::newRow("a dangling link") << "link>missing" << "No such file";
        QTest::newRow("a file no one may read") << "unreadable" << "Permission denied";
    }

    void readsOnlyRegularFiles()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        for (const char *file : {"file", "unreadable"})
            writeFile(dir.filePath(file), "casa,2,ca,NO,\r\n");
        QVERIFY(testing::makeFifo(dir.filePath("fifo")) && QDir(dir.path()).mkdir("folder"));
        QFile::setPermissions(dir.filePath("unreadable"), {});
        if (name == "unreadable" && QFile(dir.filePath(name)).open(QIODevice::ReadOnly))
            QSKIP("this user reads any file (root)");
        if (const QString target = name.section('>', 1); !target.isEmpty())
            QVERIFY(QFile::link(QDir(dir.path()).filePath(target), dir.filePath(name = "link")));
        QString error;
        QCOMPARE(loadExerciseLines(dir.filePath(name), &error).toStringList(),
                 reason.isEmpty() ? QStringList{"casa,2,ca,NO,"} : QStringList{});
        QVERIFY2(reason.isEmpty() ? error.isEmpty() : error.contains(reason), qPrintable(error));
    }

    void missingFolderListsNothing()
    {
        QTemporaryDir dir;
        QCOMPARE(listExerciseFiles(dir.filePath("absent")), QStringList{});
        // A file where the folder should be is no folder.
        writeFile(dir.filePath("ejercicios"), "casa,2,ca,NO,");
        QCOMPARE(listExerciseFiles(dir.filePath("ejercicios")), QStringList{});
    }

    void splitsLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("mixed ends") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"};
        QTest::newRow("LF CR is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("empty text") << "" << QStringList{};
    }

    void splitsLines()
    {
        QFETCH(QString, text);
        QTEST(splitExerciseLines(text).toStringList(), "lines");
    }

    void writesWhatItReads_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("syllable");
        QTest::addColumn<QString>("accent");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("line");
        QTest::newRow("llana con tilde: árbol") << "arbol" << 1 << "ar" << "á" << "" << "arbol,1,ar,á,";
        QTest::newRow("past letter 9: murciélago") << "murcielago" << 12 << "la" << "NO" << "" << "murcielago,12,la,NO,";
        QTest::newRow("with a sentence holding a comma")
            << "si" << 2 << "si" << "NO" << "Si llueve, me mojo." << "si,2,si,NO,Si llueve, me mojo.,";
    }

    // One line written, as the window reads it back, and the file's bytes.
    void writesWhatItReads()
    {
        QFETCH(QString, word);
        QFETCH(int, position);
        QFETCH(QString, syllable);
        QFETCH(QString, accent);
        QFETCH(QString, sentence);
        QFETCH(QString, line);
        QCOMPARE(formatExerciseLine({word, position, syllable, accent, sentence}), line);
        CurrentItem s = previousItem();
        parseCurrentItem(s, splitExerciseLines(QString::fromUtf8(exerciseFileBytes({line, line}))));
        QCOMPARE(QStringList({s.CurrentWord, QString::number(s.StressPosition), s.StressedSyllable, s.AccentLetter,
                              s.Sentence}),
                 QStringList({word, QString::number(position), syllable, accent, sentence}));
        QCOMPARE(exerciseFileBytes({line, line}), (line + "\r\n" + line + "\r\n").toUtf8());
    }

    void loadsFiles()
    {
        QTemporaryDir dir;
        // An empty line is kept, and a NUL byte ends neither the line nor the file.
        writeFile(dir.filePath("f.txt"), "casa,2,ca,NO,\r\n\r\n" + QByteArray("\x00\x01\r\n", 4) + "sol,2,sol,NO,\r\n");
        QCOMPARE(loadExerciseLines(dir.filePath("f.txt")).toStringList(),
                 (QStringList{"casa,2,ca,NO,", "", QString(QChar(0)) + QChar(1), "sol,2,sol,NO,"}));
        // A file that holds more than its size says is read to its end.
        QVERIFY(loadExerciseLines("/proc/self/status").toStringList().value(0).startsWith("Name:"));
    }

    void parsesFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("fields");  // word|position|syllable|accent after reading the line over "sol"
        QTest::newRow("llana sin tilde: casa") << "casa,2,ca,NO," << "casa|2|ca|NO";
        QTest::newRow("ñ and ü kept") << "pingüino,6,güi,NO," << "pingüino|6|güi|NO";
        QTest::newRow("no fourth comma keeps the accent") << "cama,2,ca,á" << "cama|2|ca|NO";
        QTest::newRow("one comma sets the word") << "pan,7" << "pan|2|sol|NO";
        QTest::newRow("no comma changes nothing") << "casa" << "sol|2|sol|NO";
        QTest::newRow("blanks around the position") << "casa, 2 ,ca,NO," << "casa|2|ca|NO";
        QTest::newRow("position 2.5 rounds to 2") << "casa,2.5,ca,NO," << "casa|2|ca|NO";
        QTest::newRow("letters in position give 0") << "casa,x,ca,NO," << "casa|0|ca|NO";
        QTest::newRow("300 keeps the position") << "casa,300,ca,NO," << "casa|2|ca|NO";
        QTest::newRow("text after the fourth comma ignored") << "sol,2,sol,NO,extra text" << "sol|2|sol|NO";
        QTest::newRow("empty fields are fields") << ",,,," << "|0||";
        // Megabyte-long lines are read in one pass, not in a hang or a crash.
        const QString mega(1 << 20, QLatin1Char('a'));
        QTest::newRow("a megabyte without commas changes nothing") << mega << "sol|2|sol|NO";
        QTest::newRow("a megabyte-long word is taken whole") << mega + ",1,a,NO," << mega + "|1|a|NO";
        QTest::newRow("a megabyte of commas gives empty fields") << QString(1 << 20, QLatin1Char(',')) << "|0||";
        QTest::newRow("a megabyte of digits keeps the position")
            << "casa," + QString(1 << 20, QLatin1Char('9')) + ",ca,NO," << "casa|2|ca|NO";
    }

    void parsesFields()
    {
        QFETCH(QString, line);
        CurrentItem s = previousItem();
        // The next line begins with a comma: it never ends this one's field.
        parseCurrentItem(s, ExerciseLines::fromStringList({line, QStringLiteral(",x")}));
        QTEST(QStringList({s.CurrentWord, QString::number(s.StressPosition), s.StressedSyllable, s.AccentLetter}).join('|'),
              "fields");
        QCOMPARE(s.ItemIndex, 0);
    }

    void wrapsAndAdvances_data()
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

    void wrapsAndAdvances()
    {
        QFETCH(int, lineCount);
        QFETCH(int, itemIndex);
        QStringList lines;
        for (int i = 0; i < lineCount; ++i)
            lines << QString("w%1,1,w,NO,").arg(i);
        CurrentItem s = previousItem();
        s.ItemIndex = itemIndex;
        parseCurrentItem(s, ExerciseLines::fromStringList(lines));
        QTEST(s.ItemIndex, "expectedIndex");
        QTEST(s.CurrentWord, "expectedWord");
    }

    void readsLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("blanks inside the number") << "  3 .5" << 3.5;
        QTest::newRow("blanks between sign and digits") << " - 2" << -2.0;
        QTest::newRow("tab and no-break space") << "\t1\u00A02" << 12.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("comma is no decimal separator") << "2,5" << 2.0;
        QTest::newRow("no leading number") << "x" << 0.0;
        QTest::newRow("only a sign") << "-" << 0.0;
        QTest::newRow("negative fraction") << "-0.4" << -0.4;
        QTest::newRow("two signs") << "--7" << 0.0;
        QTest::newRow("negative exponent") << "25e-1" << 2.5;
        QTest::newRow("exponent without digits") << "3e" << 3.0;
        QTest::newRow("exponent after nothing") << "e5" << 0.0;
        QTest::newRow("digits after the point only") << ".5e1" << 5.0;
        QTest::newRow("zero with exponent") << "0e5" << 0.0;
        QTest::newRow("hex prefix is not a number") << "&H10" << 0.0;
        QTest::newRow("large exponent") << "1e300" << 1e300;
        QTest::newRow("underflow is zero") << "1e-400" << 0.0;
        QTest::newRow("tiny without exponent") << "0." + QString(400, '0') + "1" << 0.0;
        QTest::newRow("zeros after a fraction's first digit, then a huge exponent") << "0.1" + QString(500, '0') + "e400"
                                                                                 << qInf();
        QTest::newRow("full-width digit is no digit") << "\uFF12" << 0.0;
        QTest::newRow("a megabyte of digits is enormous") << QString(1 << 20, QLatin1Char('9')) << qInf();
        QTest::newRow("a megabyte of blanks before the number") << QString(1 << 20, QLatin1Char(' ')) + "4" << 4.0;
    }

    void readsLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(readNumber(text), expected);
        // Text with no digit is no number at all: zero, never minus zero.
        QCOMPARE(std::signbit(readNumber(text)), std::signbit(expected));
    }

    void roundsHalfToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("2.5 down to even") << 2.5 << 2.0;
        QTest::newRow("3.5 up to even") << 3.5 << 4.0;
        QTest::newRow("-0.5 to zero") << -0.5 << 0.0;
        QTest::newRow("-1.5 to -2") << -1.5 << -2.0;
        QTest::newRow("above half") << 2.5001 << 3.0;
        QTest::newRow("huge stays") << 1e300 << 1e300;
    }

    void roundsHalfToEven()
    {
        QFETCH(double, value);
        QTEST(roundHalfEven(value), "expected");
    }

};

QTEST_GUILESS_MAIN(TestExerciseText)
#include "tst_exercisetext.moc"
