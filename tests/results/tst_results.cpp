// Answers kept: rows written as CSV and read back, broken rows skipped, a cut
// file mended, day files of a folder read and summed up; the appender that
// opens nothing before the first answer and says once when the folder refuses;
// and rows forced onto the disk from a thread without leaking descriptors.
#include "results/resultrow.h"
#include "results/resultslog.h"
#include "results/summary.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
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

const QByteArray Header = "hora,alumno,archivo,palabra,modo,posicion,letra,resultado,aciertos,fallos\n";
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
        QTest::newRow("vowel right, no child") << row("casa", "vocal", 2, "a", "bien", 1, 0) << Whole;
        QTest::newRow("accented word and child in UTF-8")
            << row("árbol", "tilde", 1, "a", "mal", 3, 4, "Núria")
            << QByteArray("2026-12-06T11:24:05,N\xC3\xBAria,01.txt,\xC3\xA1rbol,tilde,1,a,mal,3,4\n");
        QTest::newRow("no-accent button: empty position")
            << row("casa", "tilde", 0, "sin-tilde", "bien", 2, 0)
            << QByteArray("2026-12-06T11:24:05,,01.txt,casa,tilde,,sin-tilde,bien,2,0\n");
        QTest::newRow("carriage return in the child's name is quoted")
            << row("sol", "vocal", 1, "s", "mal", 0, 1, "Ana\rBel")
            << QByteArray("2026-12-06T11:24:05,\"Ana\rBel\",01.txt,sol,vocal,1,s,mal,0,1\n");
        QTest::newRow("quote in the child's name is doubled")
            << row("sol", "vocal", 2, "o", "bien", 1, 0, "Ana \"la peque\"")
            << QByteArray("2026-12-06T11:24:05,\"Ana \"\"la peque\"\"\",01.txt,sol,vocal,2,o,bien,1,0\n");
        QTest::newRow("comma in the file name is quoted")
            << row("sol", "silaba", 1, "s", "acierto-parcial", 0, 0, "", "lista 2, martes.txt")
            << QByteArray("2026-12-06T11:24:05,,\"lista 2, martes.txt\",sol,silaba,1,s,acierto-parcial,0,0\n");
        QTest::newRow("a name a spreadsheet would run gets an apostrophe: =1+2")
            << row("sol", "vocal", 2, "o", "bien", 1, 0, "=1+2")
            << QByteArray("2026-12-06T11:24:05,'=1+2,01.txt,sol,vocal,2,o,bien,1,0\n");
        QTest::newRow("so do @, + and tab in the file name and word; a leading apostrophe is doubled before them")
            << row("\t-1", "vocal", 2, "o", "bien", 1, 0, "'=x", "@SUM(A1).txt")
            << QByteArray("2026-12-06T11:24:05,''=x,'@SUM(A1).txt,'\t-1,vocal,2,o,bien,1,0\n");
        QTest::newRow("an apostrophe before a letter stays as given") << row("sol", "vocal", 2, "o", "bien", 1, 0, "'Ana")
            << QByteArray("2026-12-06T11:24:05,'Ana,01.txt,sol,vocal,2,o,bien,1,0\n");
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
        QTest::newRow("time with a fraction instead of seconds")
            << "2026-12-06T11:24.09,,01.txt,sol,vocal,2,o,bien,2,0\n" + Whole << QStringList{"casa"};
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
        const QByteArray cut =
            formatResultRow(row("sol", "silaba", 1, "s", "acierto-parcial", 10, 23, "Ana \"la\"", "a, b.txt"));
        const QByteArray next = formatResultRow(row("luz", "vocal", 2, "u", "bien", 7, 7));
        QCOMPARE(closeHalfRow(Header + Whole), QByteArray());
        QCOMPARE(closeHalfRow(Header + Whole + cut), QByteArray());
        for (qsizetype at = 1; at < cut.size(); ++at) {
            const QByteArray file = Header + Whole + cut.left(at);
            const QByteArray mend = closeHalfRow(file);
            const bool allFields = at > cut.lastIndexOf(',') + 1;
            QVERIFY2(!mend.isEmpty() && (mend == "\n") == allFields, qPrintable(QString("cut at %1").arg(at)));
            QVERIFY2(words(parseResults(file + mend + next))
                         == (allFields ? QStringList({"casa", "sol", "luz"}) : QStringList({"casa", "luz"})),
                     qPrintable(QString("cut at %1").arg(at)));
        }
    }

    void readsDayFilesOfAFolder()
    {
        QTemporaryDir dir;
        const auto write = [&](const QString &name, const QByteArray &bytes) { writeFile(dir.filePath(name), bytes); };
        write("2026-12-06.csv", Header + Whole);
        write("2026-12-05.csv", Header + "2026-12-05T09:00:00,,01.txt,sol,vocal,2,o,bien,1,0\n");
        write("notas.csv", Header + "2026-12-05T09:00:00,,01.txt,pan,vocal,2,a,bien,1,0\n");
        write("2026-13-01.csv", Header + "2026-12-05T09:00:00,,01.txt,mar,vocal,2,a,bien,1,0\n");
        QVERIFY(QDir(dir.path()).mkdir("2026-12-08.csv"));
        QCOMPARE(words(readResultsFolder(dir.path())), QStringList({"sol", "casa"}));
        QVERIFY(readResultsFolder(dir.filePath("missing")).isEmpty());
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
        QCOMPARE(summarizeByChildAndDay(rows), expected);
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
        QCOMPARE(summarizeByWord(rows), expected);
    }

    void appendsToTheDayFile_data()
    {
        QTest::addColumn<QByteArray>("before");  // "(none)": no file yet
        QTest::addColumn<QByteArray>("mend");    // written between what was there and the new rows
        QTest::addColumn<int>("wholeBefore");    // rows a reader finds in what was there
        const QByteArray earlier = Header + formatResultRow(answer("sol", 1));
        QTest::newRow("new file gets the header") << QByteArray("(none)") << Header << 0;
        QTest::newRow("rows of an earlier run are kept") << earlier << QByteArray() << 1;
        QTest::newRow("row cut inside quotes") << earlier + "2026-12-06T10:00:02,\"Ana, la" << QByteArray("\",\n") << 1;
        QTest::newRow("last row whole, without its line end") << earlier + Whole.chopped(1) << QByteArray("\n") << 2;
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
        QCOMPARE(readResultsFolder(folder).size(), days * rowsPerDay);
    }
};

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
