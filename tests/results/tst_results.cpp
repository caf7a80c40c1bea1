// Answers kept: rows written as CSV and read back, broken rows skipped, a cut
// file mended, day files of a folder read and summed up; the appender that
// opens nothing before the first answer and says once when the folder refuses;
// and rows forced onto the disk from a thread without leaking descriptors.
#include "results/classlist.h"
#include "results/resultrow.h"
#include "results/resultsimport.h"
#include "results/resultslog.h"
#include "results/resultsplace.h"
#include "results/resultsreader.h"
#include "results/summary.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "../support/files.h"

using namespace tildora;
using testing::readFile;
using testing::writeFile;

namespace {

ResultRow row(const QString &word, const QString &mode, int position, const QString &letter, const QString &result,
              int right, int wrong, const QString &child = {}, const QString &file = QStringLiteral("01.txt"),
              const QDateTime &time = QDateTime(QDate(2026, 12, 6), QTime(11, 24, 5)))
{
    return {time, child, file, word, mode, position, letter, result, right, wrong};
}

const QByteArray Header = "hora,alumno,archivo,palabra,modo,posicion,letra,resultado,aciertos,fallos,escrita,equipo\n";
// A row as the first version wrote it: without the written word and the computer.
const QByteArray Whole = "2026-12-06T11:24:05,,01.txt,casa,vocal,2,a,bien,1,0\n";
const QDate Day(2026, 12, 6);

// Ana's right answer to WORD on DAY, RIGHT seconds after ten.
ResultRow answer(const QString &word, int right, const QDate &day = Day)
{
    return row(word, QStringLiteral("vocal"), 2, QStringLiteral("a"), QStringLiteral("bien"), right, 0,
               QStringLiteral("Ana"), QStringLiteral("01.txt"), QDateTime(day, QTime(10, 0).addSecs(right)));
}

QStringList words(const QList<ResultRow> &rows)
{
    QStringList out;
    for (const ResultRow &r : rows)
        out << r.word;
    return out;
}

QStringList words(const AnswerSet &set)
{
    QStringList out;
    set.forEach([&](const Answer &a) { out << set.row(a).word; });
    return out;
}

// The row as a child saw its word on a computer.
ResultRow seen(ResultRow r, const QString &written, const QString &computer)
{
    r.written = written;
    r.computer = computer;
    return r;
}

// The rows as one day file's answers, read back.
AnswerSet setOf(const QList<ResultRow> &rows)
{
    QByteArray csv = Header;
    for (const ResultRow &r : rows)
        csv += formatResultRow(r);
    QTemporaryDir dir;
    writeFile(dir.filePath("2026-12-06.csv"), csv);
    return ResultsReader().read({dir.path()}, QDate(2099, 1, 1));
}

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

} // namespace

namespace tildora {
char *toString(const ResultRow &r)
{
    return QTest::toString(QString::fromUtf8(formatResultRow(r)));
}
char *toString(const WordSummary &w)
{
    return QTest::toString(QString("%1 %2/%3").arg(w.word).arg(w.misses).arg(w.tries));
}
char *toString(const ChildDaySummary &c)
{
    return QTest::toString(QString("%1 %2 %3/%4").arg(c.child, c.day.toString(Qt::ISODate)).arg(c.right).arg(c.answers));
}
} // namespace tildora

class TestResults : public QObject
{
    Q_OBJECT
private slots:
    void writesAndReadsBack_data()
    {
        QTest::addColumn<ResultRow>("row");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("vowel right, no child") << row("casa", "vocal", 2, "a", "bien", 1, 0)
                                               << Whole.chopped(1) + ",,\n";
        QTest::newRow("accented word, child and computer in UTF-8")
            << seen(row("arbol", "tilde", 1, "a", "mal", 3, 4, "Núria"), "árbol", "aula-3")
            << QByteArray("2026-12-06T11:24:05,N\xC3\xBAria,01.txt,arbol,tilde,1,a,mal,3,4,\xC3\xA1rbol,aula-3\n");
        QTest::newRow("no-accent button: empty position")
            << row("casa", "tilde", 0, "sin-tilde", "bien", 2, 0)
            << QByteArray("2026-12-06T11:24:05,,01.txt,casa,tilde,,sin-tilde,bien,2,0,,\n");
        QTest::newRow("carriage return in the child's name is quoted")
            << row("sol", "vocal", 1, "s", "mal", 0, 1, "Ana\rBel")
            << QByteArray("2026-12-06T11:24:05,\"Ana\rBel\",01.txt,sol,vocal,1,s,mal,0,1,,\n");
        QTest::newRow("line feed in the child's name is quoted")
            << row("sol", "vocal", 1, "s", "mal", 0, 1, "Ana\nBel")
            << QByteArray("2026-12-06T11:24:05,\"Ana\nBel\",01.txt,sol,vocal,1,s,mal,0,1,,\n");
        QTest::newRow("quote in the child's name is doubled")
            << row("sol", "vocal", 2, "o", "bien", 1, 0, "Ana \"la peque\"")
            << QByteArray("2026-12-06T11:24:05,\"Ana \"\"la peque\"\"\",01.txt,sol,vocal,2,o,bien,1,0,,\n");
        QTest::newRow("comma in the file name is quoted")
            << row("sol", "silaba", 1, "s", "acierto-parcial", 0, 0, "", "lista 2, martes.txt")
            << QByteArray("2026-12-06T11:24:05,,\"lista 2, martes.txt\",sol,silaba,1,s,acierto-parcial,0,0,,\n");
        QTest::newRow("a name a spreadsheet would run gets an apostrophe: =1+2")
            << row("sol", "vocal", 2, "o", "bien", 1, 0, "=1+2")
            << QByteArray("2026-12-06T11:24:05,'=1+2,01.txt,sol,vocal,2,o,bien,1,0,,\n");
        QTest::newRow("so do @, + and tab in the file name and word; a leading apostrophe is doubled before them")
            << row("\t-1", "vocal", 2, "o", "bien", 1, 0, "'=x", "@SUM(A1).txt")
            << QByteArray("2026-12-06T11:24:05,''=x,'@SUM(A1).txt,'\t-1,vocal,2,o,bien,1,0,,\n");
        QTest::newRow("an apostrophe before a letter stays as given") << row("sol", "vocal", 2, "o", "bien", 1, 0, "'Ana")
            << QByteArray("2026-12-06T11:24:05,'Ana,01.txt,sol,vocal,2,o,bien,1,0,,\n");
    }

    void writesAndReadsBack()
    {
        QFETCH(ResultRow, row);
        QFETCH(QByteArray, line);
        QCOMPARE(formatResultRow(row), line);
        QCOMPARE(resultsHeader(), Header);
        const QList<ResultRow> back = parseResults(Header + line + line);
        QCOMPARE(back.size(), 2);
        QCOMPARE(back[0], row);
        QCOMPARE(back[1], row);
    }

    void skipsBrokenRows_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("kept");
        const QByteArray sol = "2026-12-06T11:25:00,,01.txt,sol,vocal,2,o,bien,2,0\n";
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("whole rows with CR LF line ends") << Header + QByteArray(Whole).replace("\n", "\r\n") + sol
                                                         << QStringList{"casa", "sol"};
        QTest::newRow("byte order mark before the header") << "\xEF\xBB\xBF" + Header + Whole << QStringList{"casa"};
        QTest::newRow("last row cut inside quotes")
            << Header + Whole + "2026-12-06T11:25:00,,\"lista, 2" << QStringList{"casa"};
        QTest::newRow("nine fields") << Header + "2026-12-06T11:25:00,,01.txt,sol,vocal,2,o,bien,2\n" + Whole
                                     << QStringList{"casa"};
        QTest::newRow("eleven fields") << Header + "2026-12-06T11:25:00,,01.txt,sol,vocal,2,o,bien,2,0,sol\n" + Whole
                                       << QStringList{"casa"};
        QTest::newRow("rows of both versions, and a header again between them")
            << Header + Whole + Header + "2026-12-06T11:25:00,,01.txt,sol,vocal,2,o,bien,2,0,sol,aula-3\n"
            << QStringList{"casa", "sol"};
        QTest::newRow("time with a fraction instead of seconds")
            << "2026-12-06T11:24.09,,01.txt,sol,vocal,2,o,bien,2,0\n" + Whole << QStringList{"casa"};
        QTest::newRow("one separator of the time wrong, each in turn")
            << "2026/12-06T11:25:00,,01.txt,sol,vocal,2,o,bien,2,0\n2026-12/06T11:25:00,,01.txt,sol,vocal,2,o,bien,2,0\n"
               "2026-12-06 11:25:00,,01.txt,sol,vocal,2,o,bien,2,0\n2026-12-06T11.25:00,,01.txt,sol,vocal,2,o,bien,2,0\n"
                + Whole
            << QStringList{"casa"};
        QTest::newRow("unknown mode") << "2026-12-06T11:25:00,,01.txt,sol,letra,2,o,bien,2,0\n" + Whole
                                      << QStringList{"casa"};
        QTest::newRow("negative counter") << "2026-12-06T11:25:00,,01.txt,sol,vocal,2,o,bien,-2,0\n" + Whole
                                          << QStringList{"casa"};
        QTest::newRow("position for the no-accent button")
            << "2026-12-06T11:25:00,,01.txt,sol,tilde,3,sin-tilde,bien,2,0\n" + Whole << QStringList{"casa"};
        QTest::newRow("text after a closing quote")
            << "2026-12-06T11:25:00,\"Ana\"x,01.txt,sol,vocal,2,o,bien,2,0\n" + Whole << QStringList{"casa"};
        QTest::newRow("NUL and odd bytes in a field kept as text")
            << "2026-12-06T11:25:00," + QByteArray("\xFF\x00", 2) + ",01.txt,sol,vocal,2,o,bien,2,0\n" + Whole
            << QStringList{"sol", "casa"};
        QTest::newRow("binary garbage") << QByteArray("\x00\x01\"\xFF\r\r\n,,,\"\"\"", 13) << QStringList();
    }

    void skipsBrokenRows()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, kept);
        QCOMPARE(words(parseResults(csv)), kept);
    }

    // Whatever byte a row with quoted fields was cut at, the mend keeps the cut
    // row from being read as an answer, and the row written after it is read
    // whole; a row with all its fields is only ended.
    void mendsACutAtEveryByte()
    {
        const QByteArray cut = formatResultRow(
            seen(row("sol", "silaba", 1, "s", "acierto-parcial", 10, 23, "Ana \"la\"", "a, b.txt"), "sol", "aula-3"));
        const QByteArray next = formatResultRow(row("luz", "vocal", 2, "u", "bien", 7, 7));
        QCOMPARE(closeHalfRow(Header + Whole), QByteArray());
        QCOMPARE(closeHalfRow(Header + Whole + cut), QByteArray());
        for (qsizetype at = 1; at < cut.size(); ++at) {
            const QByteArray file = Header + Whole + cut.left(at);
            const QByteArray mend = closeHalfRow(file);
            const bool allFields = at > cut.lastIndexOf(',');
            QVERIFY2(!mend.isEmpty() && (mend == "\n") == allFields, qPrintable(QString("cut at %1").arg(at)));
            QVERIFY2(words(parseResults(file + mend + next))
                         == (allFields ? QStringList({"casa", "sol", "luz"}) : QStringList({"casa", "luz"})),
                     qPrintable(QString("cut at %1").arg(at)));
        }
    }

    // Day files of both forms in any number of folders; what cannot be read
    // is left out and said once.
    void readsResultsFolders_data()
    {
        QTest::addColumn<QStringList>("files");  // "folder/name" then its bytes
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QString>("notes");
        const QByteArray sol = "2026-12-05T09:00:00,,01.txt,sol,vocal,2,o,bien,1,0,sol,aula-3\n";
        QTest::newRow("both forms of day file, by day then computer; other names left alone")
            << QStringList{"a/2026-12-06.csv", Header + Whole, "a/2026-12-05-aula3.csv", Header + sol,
                           "a/notas.csv", Header + sol, "a/2026-13-01.csv", Header + sol, "a/2026-12-06-.csv",
                           Header + sol, "a/2026-12-06-aula3.csv", QByteArray(Whole).replace("casa", "pan")}
            << QStringList{"a"} << QStringList{"sol", "pan", "casa"} << "";
        QTest::newRow("two folders, one of them given twice")
            << QStringList{"a/2026-12-06.csv", Header + Whole, "b/2026-12-05-aula3.csv", Header + sol}
            << QStringList{"a", "b", "a/../a"} << QStringList{"casa", "sol"} << "";
        QTest::newRow("a foreign CSV and a broken row are said")
            << QStringList{"a/2026-12-06.csv", "nombre,nota\nAna,10\n", "a/2026-12-05.csv",
                           Header + sol + "roto,\n" + QByteArray(sol).replace("T09", "T0x")}
            << QStringList{"a"} << QStringList{"sol"}
            << "a/2026-12-06.csv holds no answers Tildora can read: left out|"
               "2 row(s) could not be read and were left out";
        QTest::newRow("a row from the future is left out and said")
            << QStringList{"a/2027-01-01.csv", Header + QByteArray(sol).replace("2026-12-05", "2027-01-01"),
                           "a/2026-12-05.csv", Header + sol}
            << QStringList{"a"} << QStringList{"sol"} << "1 answer(s) dated after today were left out";
        QTest::newRow("a file of the first version, with its ten-column header")
            << QStringList{"a/2026-12-06.csv", Header.left(Header.indexOf(",escrita")) + "\n" + Whole}
            << QStringList{"a"} << QStringList{"casa"} << "";
        QTest::newRow("a file given as a folder, twice: said once")
            << QStringList{"a/x", Header + sol} << QStringList{"a/x", "a/x"} << QStringList{}
            << "a/x cannot be read as a folder";
        QTest::newRow("a link, an empty folder and a missing one")
            << QStringList{"a/2026-12-05.csv", "(link to a/x)", "a/x", Header + sol}
            << QStringList{"a", "b", "c"} << QStringList{}
            << "a/2026-12-05.csv is not an ordinary file: left out|b holds no day files of answers|c is not there";
    }

    void readsResultsFolders()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, folders);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("a");
        QDir(dir.path()).mkpath("b");
        for (qsizetype i = 0; i + 1 < files.size(); i += 2)
            if (files[i + 1].startsWith("(link to "))
                QVERIFY(QFile::link(dir.filePath(files[i + 1].mid(9).chopped(1)), dir.filePath(files[i])));
            else
                writeFile(dir.filePath(files[i]), files[i + 1].toUtf8());
        for (QString &folder : folders)
            folder = dir.filePath(folder);
        ResultsReader reader;
        const AnswerSet set = reader.read(folders, Day);
        QTEST(words(set), "kept");
        QTEST(set.notes.join('|').replace(dir.path() + '/', ""), "notes");
        // Read again with nothing changed: the same answers.
        QCOMPARE(words(reader.read(folders, Day)), words(set));
    }

    void summarizesByChildAndDay_data()
    {
        QTest::addColumn<QList<ResultRow>>("rows");
        QTest::addColumn<QList<ChildDaySummary>>("expected");
        const QDateTime mon(QDate(2026, 12, 7), QTime(9, 0));
        const QDateTime sun(QDate(2026, 12, 6), QTime(23, 59, 59));
        QTest::newRow("partial hits are steps, not answers")
            << QList<ResultRow>{row("casa", "silaba", 1, "c", "acierto-parcial", 0, 0, "Ana"),
                                row("casa", "silaba", 2, "a", "bien", 1, 0, "Ana"),
                                row("sol", "silaba", 3, "l", "mal", 1, 1, "Ana")}
            << QList<ChildDaySummary>{{"Ana", QDate(2026, 12, 6), 2, 1}};
        QTest::newRow("two children over two days, by day then name")
            << QList<ResultRow>{row("casa", "vocal", 2, "a", "bien", 1, 0, "Luis", "01.txt", mon),
                                row("casa", "vocal", 2, "a", "bien", 1, 0, "Ana", "01.txt", mon),
                                row("sol", "vocal", 1, "s", "mal", 0, 1, "Luis", "01.txt", sun),
                                row("sol", "vocal", 2, "o", "bien", 1, 1, "Luis", "01.txt", sun),
                                row("pan", "tilde", 0, "sin-tilde", "bien", 2, 0, "Ana", "01.txt", mon)}
            << QList<ChildDaySummary>{{"Luis", QDate(2026, 12, 6), 2, 1},
                                      {"Ana", QDate(2026, 12, 7), 2, 2},
                                      {"Luis", QDate(2026, 12, 7), 1, 1}};
    }

    void summarizesByChildAndDay()
    {
        QFETCH(QList<ResultRow>, rows);
        QFETCH(QList<ChildDaySummary>, expected);
        QCOMPARE(summarize(setOf(rows)).days, expected);
    }

    void summarizesByWord_data()
    {
        QTest::addColumn<QList<ResultRow>>("rows");
        QTest::addColumn<QList<WordSummary>>("expected");
        QTest::newRow("most missed first, across modes and children")
            << QList<ResultRow>{row("casa", "vocal", 2, "a", "bien", 1, 0),
                                row("árbol", "tilde", 2, "r", "mal", 1, 1, "Ana"),
                                row("árbol", "vocal", 1, "a", "mal", 1, 2),
                                row("árbol", "vocal", 1, "a", "bien", 2, 2),
                                row("sol", "silaba", 2, "o", "mal", 2, 3)}
            << QList<WordSummary>{{"árbol", 3, 2}, {"sol", 1, 1}, {"casa", 1, 0}};
        QTest::newRow("equal misses: more tries first, then the word")
            << QList<ResultRow>{row("pez", "vocal", 1, "p", "mal", 0, 1), row("luz", "vocal", 1, "l", "mal", 0, 2),
                                row("mar", "vocal", 1, "m", "mal", 0, 3), row("mar", "vocal", 2, "a", "bien", 1, 3)}
            << QList<WordSummary>{{"mar", 2, 1}, {"luz", 1, 1}, {"pez", 1, 1}};
    }

    void summarizesByWord()
    {
        QFETCH(QList<ResultRow>, rows);
        QFETCH(QList<WordSummary>, expected);
        QCOMPARE(summarize(setOf(rows)).words, expected);
    }

    void appendsToTheDayFile_data()
    {
        QTest::addColumn<QByteArray>("before");  // "(none)": no file yet
        QTest::addColumn<QByteArray>("mend");    // written between what was there and the new rows
        QTest::addColumn<int>("wholeBefore");    // rows a reader finds in what was there
        const QByteArray earlier = Header + formatResultRow(answer("sol", 1));
        QTest::newRow("new file gets the header") << QByteArray("(none)") << Header << 0;
        QTest::newRow("rows of an earlier run are kept") << earlier << QByteArray() << 1;
        QTest::newRow("row cut inside quotes") << earlier + "2026-12-06T10:00:02,\"Ana, la" << QByteArray("\"x\n") << 1;
        QTest::newRow("a header cut inside quotes") << QByteArray("hora,alumno,\"-parcial,1") << QByteArray("\"x\n") << 0;
        QTest::newRow("last row whole, without its line end")
            << earlier + formatResultRow(answer("mar", 9)).chopped(1) << QByteArray("\n") << 2;
        QTest::newRow("a header after a byte-order mark, without its line end")
            << "\xEF\xBB\xBF" + Header.chopped(1) << QByteArray("\n") << 0;
    }

    void computerNamePart_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("part");  // of the day file's name
        QTest::newRow("letters, digits, dot, dash and underscore kept") << "aula_z.Z-09" << "aula_z.Z-09";
        QTest::newRow("spaces, accents and slashes left out") << "Aula de Música/2" << "AuladeMsica2";
        QTest::newRow("nothing left, or a folder's name: a word of ours") << "../" << "equipo";
    }

    void computerNamePart()
    {
        QFETCH(QString, host);
        QTEST(fileNamePart(host), "part");
    }

    // Nothing is made before the first answer; each row is in the file once
    // written; a reader finds the rows of before and the new ones,
    // never a cut one.
    void appendsToTheDayFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, mend);
        QFETCH(int, wholeBefore);
        QTemporaryDir home;
        const QString folder = home.filePath("tildora/resultados"), path = folder + "/2026-12-06.csv";
        if (before != "(none)")
            writeFile(path, before);
        else
            before.clear();
        const QByteArray rows = formatResultRow(answer("casa", 2)) + formatResultRow(answer("luz", 3));
        {
            ResultsLog log(folder);
            QCOMPARE(QFileInfo::exists(home.filePath("tildora")), !before.isEmpty());
            log.append(answer("casa", 2));
            QVERIFY(log.waitWritten());
            QCOMPARE(readFile(path), before + mend + formatResultRow(answer("casa", 2)));
            log.append(answer("luz", 3));
            QVERIFY(!log.problemSaid());
        }
        const QByteArray after = readFile(path);
        QCOMPARE(after, before + mend + rows);
        const QList<ResultRow> read = parseResults(after);
        QCOMPARE(read.size(), wholeBefore + 2);
        QCOMPARE(read.mid(wholeBefore), QList<ResultRow>({answer("casa", 2), answer("luz", 3)}));
    }

    // A day file of just the size that is still read to mend its end (64 MiB):
    // its last row, whole but for its line end, is ended, not broken.
    void largestMendedDayFile()
    {
        QTemporaryDir home;
        const QString folder = home.filePath("resultados"), path = folder + "/2026-12-06.csv";
        QVERIFY(QDir().mkpath(folder));
        const QByteArray last = '\n' + formatResultRow(answer("sol", 1)).chopped(1);
        const qint64 size = 64 * 1024 * 1024;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Header) == Header.size());
        QVERIFY(file.resize(size - last.size()) && file.seek(size - last.size()) && file.write(last) == last.size());
        file.close();
        {
            ResultsLog log(folder);
            log.append(answer("casa", 2));
            QVERIFY(log.waitWritten());
        }
        QVERIFY(file.open(QIODevice::ReadOnly) && file.seek(size - last.size()));
        QCOMPARE(file.readAll(), last + '\n' + formatResultRow(answer("casa", 2)));
    }

    void newDayNewFile()
    {
        QTemporaryDir dir;
        ResultsLog log(dir.path());
        log.append(answer("casa", 1));
        log.append(answer("sol", 2, Day.addDays(1)));
        QVERIFY(log.waitWritten());
        QCOMPARE(readFile(dir.filePath("2026-12-06.csv")), Header + formatResultRow(answer("casa", 1)));
        QCOMPARE(readFile(dir.filePath("2026-12-07.csv")), Header + formatResultRow(answer("sol", 2, Day.addDays(1))));
    }

    void refusingFolders_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("reason");  // as the system gives it
        QTest::newRow("a file where the folder should be") << "file-for-folder" << "";
        QTest::newRow("a disk that fills up") << "full-disk" << "File too large";
        QTest::newRow("a read-only folder") << "read-only" << "";
    }

    void refusingFolders()
    {
        QFETCH(QString, how);
        QFETCH(QString, reason);
        QTemporaryDir home;
        const QString folder = home.filePath("resultados");
        if (how == "file-for-folder") {
            writeFile(folder, "not a folder");
        } else if (how == "full-disk") {
            QVERIFY(QDir().mkpath(folder));
            writeFile(folder + "/2026-12-06.csv", Header + formatResultRow(answer("sol", 0)));
        } else {
            if (geteuid() == 0)
                QSKIP("permissions do not bind the superuser");
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const QStringList before = QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        // A full disk: no file may grow past a few bytes more than it has.
        rlimit limit{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
        const rlimit unlimited = limit;
        if (how == "full-disk") {
            std::signal(SIGXFSZ, SIG_IGN);
            limit.rlim_cur = rlim_t(QFileInfo(folder + "/2026-12-06.csv").size() + 10);
            QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
        }

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^tildora: answers are not kept in .*resultados.*: " + reason));
        QTest::failOnWarning(QRegularExpression("answers are not kept"));  // a second time would fail
        {
            ResultsLog log(folder);
            for (int i = 1; i <= 3; ++i)
                log.append(answer("casa", i));
            QVERIFY(!log.waitWritten());
            QVERIFY(log.problemSaid());
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("3 answer.* were not kept"));
        }
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        if (how == "full-disk")  // what was kept before the disk filled is still read
            QCOMPARE(parseResults(readFile(folder + "/2026-12-06.csv")), QList<ResultRow>{answer("sol", 0)});
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    // A shared folder away when the game ends: the computer's own folder
    // keeps the answers that were waiting for it.
    void answersTheShareCannotTakeStayOnTheComputer()
    {
        QTemporaryDir home;
        const QString share = home.filePath("aula"), own = home.filePath("resultados");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("answers are not kept in .*aula"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("2 answer.* waiting for .*aula are kept in .*resultados instead"));
        {
            ResultsLog log(share, "pc1", own);
            log.append(answer("casa", 1));
            log.append(answer("sol", 2));
            QVERIFY(!log.waitWritten());
        }
        QCOMPARE(words(parseResults(readFile(own + "/2026-12-06.csv"))), (QStringList{"casa", "sol"}));
        QVERIFY(!QFileInfo::exists(share));
    }

    // Something that is not an ordinary file where the day file should be:
    // nothing is written through it, the answers go to a fresh file beside.
    void answersBesideWhatIsNotADayFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("a link to a file elsewhere") << "link";
        QTest::newRow("a link to nothing") << "dangling";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a device") << "device";
    }

    void answersBesideWhatIsNotADayFile()
    {
        QFETCH(QString, how);
        QTemporaryDir home;
        const QString folder = home.filePath("resultados"), day = folder + "/2026-12-06.csv";
        const QString elsewhere = home.filePath("secreto.txt");
        QVERIFY(QDir().mkpath(how == "folder" ? day : folder));
        if (how == "link")
            writeFile(elsewhere, "mine\n");
        if (how == "link" || how == "dangling")
            QVERIFY(QFile::link(elsewhere, day));
        if (how == "device")
            QVERIFY(QFile::link("/dev/null", day));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("2026-12-06.csv.* not an ordinary file"));
        QTest::failOnWarning(QRegularExpression("."));
        {
            ResultsLog log(folder);
            log.append(answer("casa", 1));
            log.append(answer("luz", 2));
        }
        QCOMPARE(readFile(elsewhere), QByteArray(how == "link" ? "mine\n" : "(missing)"));
        QCOMPARE(words(parseResults(readFile(folder + "/2026-12-06-2.csv"))), QStringList({"casa", "luz"}));
    }

    // Before each row: a day file deleted, renamed or replaced while the game
    // runs is noticed, and the row goes to the file now at the day's name.
    void dayFileGoneWhileRunning_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("kept");  // in the file at the day's name
        QTest::newRow("deleted") << "deleted" << QStringList{"luz"};
        QTest::newRow("renamed") << "renamed" << QStringList{"luz"};
        QTest::newRow("replaced by another file") << "replaced" << QStringList{"sol", "luz"};
    }

    void dayFileGoneWhileRunning()
    {
        QFETCH(QString, how);
        QTemporaryDir dir;
        const QString path = dir.filePath("2026-12-06.csv");
        ResultsLog log(dir.path());
        log.append(answer("casa", 1));
        QVERIFY(log.waitWritten());
        if (how == "renamed")
            QVERIFY(QFile::rename(path, dir.filePath("viejo.txt")));
        else
            QVERIFY(QFile::remove(path));
        if (how == "replaced") {
            writeFile(dir.filePath("nuevo"), Header + formatResultRow(answer("sol", 0)));
            QVERIFY(QFile::rename(dir.filePath("nuevo"), path));
        }
        log.append(answer("luz", 2));
        QVERIFY(log.waitWritten());
        QVERIFY(readFile(path).startsWith(Header));
        QTEST(words(parseResults(readFile(path))), "kept");
    }

    // Several computers (processes here) write into one shared folder at
    // once while the folder goes away twice and comes back, as a network
    // share may: every row is kept once and whole, in each one's own file.
    void sharedFolderOfSeveralComputers()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("aula"), away = dir.filePath("aula-caida");
        QVERIFY(QDir().mkpath(folder));
        constexpr int Computers = 4, Rows = 150;
        QList<pid_t> computers;
        for (int c = 0; c < Computers; ++c) {
            const QString name = QString("pc%1").arg(c);
            const pid_t pid = fork();
            if (pid == 0) {
                qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
                bool written = false;
                {
                    ResultsLog log(folder, name);
                    for (int r = 0; r < Rows; ++r) {
                        log.append(seen(answer("casa", r), "casa", name));
                        usleep(2000);
                    }
                    for (int wait = 0; wait < 100 && !written; ++wait)
                        written = log.waitWritten() || (usleep(100000), false);
                }
                _exit(written ? 0 : 1);
            }
            computers << pid;
        }
        for (int drop = 0; drop < 2; ++drop) {
            QTest::qSleep(60);
            QVERIFY(QDir().rename(folder, away));
            QTest::qSleep(150);
            QVERIFY(QDir().rename(away, folder));
        }
        for (const pid_t pid : std::as_const(computers)) {
            int status = -1;
            QCOMPARE(waitpid(pid, &status, 0), pid);
            QCOMPARE(status, 0);
        }
        QVERIFY(!QFileInfo::exists(folder + "/2026-12-06.csv"));
        for (int c = 0; c < Computers; ++c) {
            QList<int> counters;
            for (const ResultRow &r : parseResults(readFile(folder + QString("/2026-12-06-pc%1.csv").arg(c))))
                counters << r.right;
            QCOMPARE(counters.size(), Rows);
            for (int r = 0; r < Rows; ++r)
                QCOMPARE(counters[r], r);
        }
        QCOMPARE(ResultsReader().read({folder}, Day).notes, QStringList());
    }

    // Where a run keeps its answers: the command line, else the setting of
    // the user, else the one for everyone, else the computer's own folder.
    void resultsPlaceOfARun_data()
    {
        QTest::addColumn<QString>("user");    // results/folder in the user's tildora.conf
        QTest::addColumn<QString>("system");  // ... in the configuration folder for everyone
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("folder");  // "own": the computer's own
        QTest::newRow("nothing set") << "" << "" << "" << "own";
        QTest::newRow("set for everyone") << "" << "aula" << "" << "aula";
        QTest::newRow("the user's setting first") << "mia" << "aula" << "" << "mia";
        QTest::newRow("--results-folder over both") << "mia" << "aula" << "otra" << "otra";
    }

    void resultsPlaceOfARun()
    {
        QFETCH(QString, user);
        QFETCH(QString, system);
        QFETCH(QString, commandLine);
        QFETCH(QString, folder);
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("home")));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(dir.filePath("etc")));
        if (!user.isEmpty())
            writeFile(dir.filePath("home/tildora/tildora.conf"), "[results]\nfolder=" + dir.filePath(user).toUtf8());
        if (!system.isEmpty())
            writeFile(dir.filePath("etc/tildora/tildora.conf"), "[results]\nfolder=" + dir.filePath(system).toUtf8());
        const QString own = dir.filePath("own");
        const ResultsPlace place = resultsPlace(own, commandLine.isEmpty() ? "" : dir.filePath(commandLine));
        QCOMPARE(place.folder, dir.filePath(folder));
        QCOMPARE(place.sharedAs, folder == "own" ? QString() : computerName());
        const QString configured = user.isEmpty() ? system : user;
        QStringList folders(own);
        if (!configured.isEmpty())
            folders << dir.filePath(configured);
        QCOMPARE(resultsFolders(own), folders);
    }

    // Answers brought on a stick are copied in once, however often brought.
    void importsResultsOnce_data()
    {
        QTest::addColumn<QStringList>("stick");  // file names then bytes
        QTest::addColumn<QStringList>("made");   // day files in the folder after
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("alreadyThere");
        const QByteArray pc = formatResultRow(seen(answer("sol", 1), "sol", "pc7"));
        QTest::newRow("another computer's answers go to its own day file")
            << QStringList{"2026-12-06.csv", Header + pc} << QStringList{"2026-12-06-pc7.csv", "2026-12-06.csv"} << 1
            << 0;
        QTest::newRow("an answer the folder has already is not copied")
            << QStringList{"2026-12-06.csv", Header + formatResultRow(answer("mar", 0))}
            << QStringList{"2026-12-06.csv"} << 0 << 1;
        QTest::newRow("older rows that name no computer")
            << QStringList{"2026-12-05.csv", Header + QByteArray(Whole).replace("12-06", "12-05")}
            << QStringList{"2026-12-05-importado.csv", "2026-12-06.csv"} << 1 << 0;
    }

    void importsResultsOnce()
    {
        QFETCH(QStringList, stick);
        QTemporaryDir dir;
        const QString folder = dir.filePath("resultados");
        writeFile(folder + "/2026-12-06.csv", Header + formatResultRow(answer("mar", 0)));
        for (qsizetype i = 0; i + 1 < stick.size(); i += 2)
            writeFile(dir.filePath("usb/" + stick[i]), stick[i + 1].toUtf8());
        const ImportReport first = importResults(dir.filePath("usb"), folder);
        QTEST(first.added, "added");
        QTEST(first.alreadyThere, "alreadyThere");
        QTEST(QDir(folder).entryList(QDir::Files), "made");
        const ImportReport again = importResults(dir.filePath("usb"), folder);
        QCOMPARE(again.added, 0);
        QCOMPARE(again.alreadyThere, first.added + first.alreadyThere);
        QCOMPARE(ResultsReader().read({folder}, Day).size(), 1 + first.added);
    }

    // A link where a day file should be is neither read nor written through.
    void importLeavesALinkAlone()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("resultados"), elsewhere = dir.filePath("secreto.txt");
        writeFile(elsewhere, "mine\n");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::link(elsewhere, folder + "/2026-12-06-pc7.csv"));
        writeFile(dir.filePath("usb/2026-12-06.csv"), Header + formatResultRow(seen(answer("sol", 1), "sol", "pc7")));
        const ImportReport report = importResults(dir.filePath("usb"), folder);
        QCOMPARE(report.added, 0);
        QCOMPARE(report.notes.size(), 1);
        QCOMPARE(readFile(elsewhere), QByteArray("mine\n"));
    }

    void everyRowKeptAndNoDescriptorLeft_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("rowsPerDay");
        QTest::newRow("one row") << 1 << 1;
        QTest::newRow("many rows in one day") << 1 << 200;
        QTest::newRow("the day changes twice") << 3 << 5;
    }
    void everyRowKeptAndNoDescriptorLeft()
    {
        QFETCH(int, days);
        QFETCH(int, rowsPerDay);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("resultados"));
        const int before = openDescriptors();
        {
            ResultsLog log(folder);
            for (int d = 0; d < days; ++d) {
                for (int r = 0; r < rowsPerDay; ++r)
                    log.append(answer("casa", r, Day.addDays(d)));
            }
            QVERIFY(log.waitWritten());
            // The open day file alone: earlier days' files are closed.
            QCOMPARE(openDescriptors(), before + 1);
        }
        QCOMPARE(openDescriptors(), before);
        QCOMPARE(ResultsReader().read({folder}, Day.addDays(days)).size(), days * rowsPerDay);
    }

    // The class list as a teacher or a Windows editor may leave it: the
    // names the children see, or no list at all.
    void readsTheClassList_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // "(fifo)" for a FIFO, "(none)" for no file
        QTest::addColumn<QStringList>("names");
        const QStringList anaLuis{"Ana", "Luis"};
        QTest::newRow("blank lines, spaces and both line ends") << QByteArray("\n  Ana \r\n\r\n Luis\r") << anaLuis;
        QTest::newRow("a name again, in other letters, is one child")
            << QByteArray("Ana\nLuis\nANA\nana\n") << anaLuis;
        QTest::newRow("UTF-16 with its mark, as Notepad saves")
            << QByteArray("\xFF\xFE" "N\0\xFA\0r\0i\0a\0\n\0", 14) << QStringList{"Núria"};
        QTest::newRow("UTF-16 big-endian")
            << QByteArray("\xFE\xFF\0N\0\xFA\0r\0i\0a", 12) << QStringList{"Núria"};
        QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBFLuis\n") << QStringList{"Luis"};
        QTest::newRow("half a surrogate pair in UTF-16 is shown as a question mark")
            << QByteArray("\xFF\xFE" "A\0\xFF\xDF", 6) << QStringList{"A?"};
        QTest::newRow("Windows-1252") << QByteArray("N\xFAria\nI\xF1igo\n") << QStringList{"Núria", "Iñigo"};
        QTest::newRow("control characters and NUL left out, a very long name cut")
            << QByteArray("A\tna\x01\n\0\nLu\xE2\x80\x8Bis\n", 16) + QByteArray(500, 'M')
            << QStringList{"Ana", "Luis", QString(MostNameLetters, u'M')};
        QByteArray many;
        QStringList kept;
        for (int i = 0; i < MostNames + 100; ++i) {
            many += QByteArray::number(i) + '\n';
            if (i < MostNames)
                kept << QString::number(i);
        }
        QTest::newRow("more names than a class has: the first ones") << many << kept;
        QTest::newRow("an empty file") << QByteArray() << QStringList{};
        QTest::newRow("a FIFO is not waited on") << QByteArray("(fifo)") << QStringList{"(no list)"};
        QTest::newRow("no file") << QByteArray("(none)") << QStringList{"(no list)"};
    }

    void readsTheClassList()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        QTemporaryDir dir;
        const QString path = classListPath(dir.path());
        if (bytes == "(fifo)")
            QVERIFY(testing::makeFifo(path));
        else if (bytes != "(none)")
            writeFile(path, bytes);
        const std::optional<QStringList> read = readClassList(path);
        const QStringList shown = read ? *read : QStringList{"(no list)"};
        QCOMPARE(shown, names);
    }
};

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
