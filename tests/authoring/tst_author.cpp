// tildora-author: the problems `check` reports for broken lines, `make`,
// `record` and the exit codes, through the program itself where it matters.
#include "authoring/dictionary.h"
#include "authoring/filecheck.h"
#include "authoring/maker.h"
#include "authoring/recorder.h"
#include "authoring/wavtools.h"
#include "content/contentlocator.h"

#include "../support/files.h"
#include "../support/testcontent.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QStringEncoder>
#include <QTest>

using namespace tildora;

namespace {

struct Run { int exit; QString out; QString err; };

Run author(const QStringList &args, const QByteArray &input = {}, const QString &output = {},
           const QString &language = QStringLiteral("C.UTF-8"))
{
    QProcess p;
    if (!output.isEmpty())
        p.setStandardOutputFile(output);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), language);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TILDORA_AUTHOR), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestAuthor : public QObject
{
    Q_OBJECT
private slots:
    void brokenLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");  // "error: ..." or "warning: ..." part; empty for none
        QTest::newRow("good") << "casa,2,ca,NO," << "";
        QTest::newRow("three fields") << "casa,2,ca,NO" << "error: fewer than four fields";
        QTest::newRow("position outside the word") << "casa,9,ca,NO," << "error: position 9 is outside the word (1 to 4)";
        QTest::newRow("position not a vowel") << "casa,3,ca,NO," << "error: position 3 is 's', not a vowel";
        QTest::newRow("syllable absent") << "casa,2,co,NO," << "error: stressed syllable \"co\" is not in the word";
        QTest::newRow("accent of another vowel") << "arbol,1,ar,é,"
                                                 << "error: accent \"é\" is neither NO nor 'á', the accented 'a'";
        QTest::newRow("forgotten tilde, told by the rules and the dictionary")
            << "cancion,5,cion,NO," << "warning: «cancion» is not in the Spanish dictionary; did you mean canción";
        QTest::newRow("a forgotten ñ") << "nino,2,ni,NO," << "warning: «nino» is not in the Spanish dictionary; did you mean niño?";
        QTest::newRow("61 letters: no real word") << QString(61, 'a') + ",1,a,NO," << "error: a word of 61 letters is longer than";
        QTest::newRow("60 letters: still a word") << QString(60, 'a') + ",99,a,NO," << "error: position 99 is outside the word (1 to 60)";
        QTest::newRow("stressed syllable cut wrong") << "cielo,3,ie,NO,"
                                                     << "warning: by the syllable rules the stressed syllable";
        QTest::newRow("a file with no line at all") << "(empty file)" << "warning: no words: Tildora has nothing to show";
        QTest::newRow("blanks alone: as an empty line") << " \t " << "warning: empty line: Tildora shows the previous word";
        QTest::newRow("plain words, not yet made into lines") << "canción" << "error: no line has a comma: these are plain words";
    }

    void brokenLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        const SpanishDictionary dictionary;
        QVERIFY2(dictionary.isOpen(), "hunspell-es is needed");
        const QList<FileProblem> problems = checkExerciseLines(
            ExerciseLines::fromStringList(line == "(empty file)" ? QStringList() : QStringList{line}), &dictionary, nullptr);
        QStringList texts;
        for (const FileProblem &p : problems)
            texts << formatProblem("f.txt", p);
        const QString told = texts.join('\n');
        QVERIFY2(expected.isEmpty() ? texts.isEmpty() : told.contains("f.txt:1: " + expected), qPrintable(told));
    }

    void make()
    {
        const Run run = author({"make"}, QString("árbol\n\n# a comment\ncanción\ncacacá\n  pingüino  \nguión\n"
                                                 + QString(61, 'a') + "\nca\x1b]0;X\x07sa\nsi: Si llueve, me quedo.\n").toUtf8());
        QCOMPARE(run.exit, 1);
        QCOMPARE(run.out, QString("arbol,1,ar,á,\r\ncancion,6,cion,ó,\r\npingüino,6,güi,NO,\r\nguion,4,guion,NO,\r\n"
                                  "si,2,si,NO,Si llueve, me quedo.,\r\n"));
        QVERIFY(run.err.contains("line 5: «cacacá»"));
        QVERIFY2(run.err.contains("line 7: «guión» is written «guion» since 2010: one syllable for writing; its line is "
                                  "made for «guion»"), qPrintable(run.err));
        QVERIFY2(run.err.contains("line 8: «" + QString(60, 'a') + "…»: a word of 61 letters"), qPrintable(run.err));
        // A file's escape sequence reaches the terminal spelled out, never obeyed.
        QVERIFY2(run.err.contains("line 9: «ca\\u001b]0;X\\u0007sa»") && !run.err.contains('\x1b'), qPrintable(run.err));
        // A word list saved by Notepad as "Unicode" (UTF-16 with its mark).
        QStringEncoder notepad(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        const Run unicode = author({"make"}, notepad(QStringLiteral("árbol\r\n")));
        QCOMPARE(unicode.exit, 0);
        QCOMPARE(unicode.out, QStringLiteral("arbol,1,ar,á,\r\n"));
        // A stream without end is read as far as a list file may go, then told.
        QProcess endless;
        endless.setStandardInputFile("/dev/zero");
        endless.setStandardOutputFile(QProcess::nullDevice());
        endless.setStandardErrorFile(QProcess::nullDevice());
        endless.start(TILDORA_AUTHOR, {"make"});
        QVERIFY(endless.waitForFinished(120000));
        QCOMPARE(endless.exitCode(), 1);
        // Lines that never reach their file (a full disk) are not reported as made.
        const Run full = author({"make"}, "sol\n", "/dev/full");
        QCOMPARE(full.exit, 1);
        QVERIFY(full.err.contains("cannot write the output: No space left on device"));
    }

    void checkAndExitCodes()
    {
        testing::ContentTree tree;
        tree.alphabet();
        tree.recording("casa");
        tree.exercise("good.txt", {"casa,2,ca,NO,", "casa,2,ca,NO,Mi casa, la roja.,", "casa,2,ca,NO,Tu casa.,"});
        for (const QString sentence : {"Mi casa, la roja.", "Tu casa."})
            tree.write("sonidosfrases/" + ContentLocator::sentenceRecordingName("casa", sentence) + ".wav", "RIFF");
        tree.exercise("bad.txt", {"casa,2,ca,NO,", "sol,2,sol,NO,", "casa,2,ca,NO,", "arbol,1,ar,á,", "x?,1,x,NO,",
                                  "sol,2,sol,NO,Sale el sol.,",
                                  // 24 letters of 30 pixels fill the child's strip; 25 are cut off
                                  "electroencefalografistas,1,e,NO,", "electroencefalografistass,1,e,NO,", "lapiz,2,la,,"});
        const QString content = "--content=" + tree.root;
        const Run good = author({"check", "--all-suggestions", content, tree.path("ejercicios/good.txt")});
        QCOMPARE(good.exit, 0);
        // Counts in the plural forms of each language.
        QCOMPARE(good.err, QString("0 errors, 0 warnings in 1 file\n"));
        QCOMPARE(author({"check", content, tree.path("ejercicios/good.txt")}, {}, {}, "es_ES.UTF-8").err,
                 QString("0 errores y 0 avisos en 1 archivo\n"));
        const Run bad = author({"check", content, tree.path("ejercicios/bad.txt")});
        QCOMPARE(bad.exit, 1);
        const QString file = tree.path("ejercicios/bad.txt");
        for (const QString &expected :
             {file + ":2: warning: no recording sonidospalabras/sol.wav", file + ":3: warning: «casa» is already on line 1",
              file + QString(":4: error: no accented-letter picture letrasacento/á.gif"),
              file + ":5: error: no letter picture letrasgifs/?.gif", file + ":5: error: position 1 is 'x', not a vowel",
              file + ":6: warning: no recording of the sentence, sonidosfrases/"
                  + ContentLocator::sentenceRecordingName("sol", "Sale el sol.") + ".wav (tildora-author record makes it)",
              file + ":8: warning: «electroencefalografistass» is 750 pixels wide, wider than the 720"})
            QVERIFY2(bad.out.contains(expected), qPrintable(bad.out));
        QVERIFY2(!bad.out.contains(file + ":6: warning: no recording sonidospalabras"), qPrintable(bad.out));
        QCOMPARE(bad.out.count("pixels wide"), 1);
        QVERIFY2(!bad.out.contains("letrasacento/.gif"), qPrintable(bad.out));  // an empty accent field names no picture
        // Windows-1252 files are read as Tildora reads them.
        tree.write("ejercicios/latin.txt", QString("ni\u00f1o,2,ni,NO,\r\n").toLatin1());
        tree.letter(QString("ñ"), 30);
        tree.recording(QString("niño"));
        QCOMPARE(author({"check", content, tree.path("ejercicios/latin.txt")}).exit, 0);
        // A name with a line end (or a "%1") keeps one line per problem, and says which file.
        tree.exercise("a\nb%1.txt", {"casa,9,ca,NO,"});
        QCOMPARE(author({"check", content, tree.path("ejercicios/a\nb%1.txt")}).out,
                 '"' + tree.path("ejercicios/a\\nb%1.txt") + "\":1: error: position 9 is outside the word (1 to 4)\n");
        // Bad usage.
        QCOMPARE(author({}).exit, 2);
        QCOMPARE(author({"check"}).exit, 2);
        QCOMPARE(author({"--nonsense", "check", "x"}).exit, 2);
    }

    void results_data()
    {
        QTest::addColumn<QStringList>("args");  // DIR: the results folder
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");  // the whole output, or a piece of it ending in "..."
        QTest::newRow("a table for a machine: one child from a day on")
            << QStringList{"results", "DIR", "--csv", "--child", "Ana", "--from", "2026-12-06"} << 0
            << "tabla,alumno,dia,grupo,palabra,respuestas,aciertos\n"
               "dia,Ana,2026-12-06,,,2,1\n"
               "grupo,Ana,,tilde,,2,1\ngrupo,Ana,,llana,,2,1\ngrupo,Ana,,con tilde,,2,1\n"
               "palabra,,,,árbol,2,1\n";
        QTest::newRow("a name a spreadsheet would run stays text")
            << QStringList{"results", "DIR", "--csv", "--child", "=Teo"} << 0
            << "tabla,alumno,dia,grupo,palabra,respuestas,aciertos\ndia,'=Teo,2026-12-07,,,1,0\n...";
        QTest::newRow("for people: the kinds of each child and of the class, words with their accents")
            << QStringList{"results", "DIR", "--from", "2026-12-05"} << 0
            << "...(all)  con diptongo        1      0        0\n\nWords missed most\n"
               "word     tries  misses\nárbol        2       1\ncanción      1       1\n";
        QTest::newRow("a day that is not one") << QStringList{"results", "DIR", "--from", "2026-13-01"} << 2 << "";
        QTest::newRow("a folder that is not there") << QStringList{"results", "DIR/nada"} << 1 << "...";
        QTest::newRow("a name with no answers is told, never given the class's")
            << QStringList{"results", "DIR", "--child", "Anna"} << 1 << "";
        QTest::newRow("days the wrong way round") << QStringList{"results", "DIR", "--from", "2026-12-07", "--to", "2026-12-01"}
                                                  << 2 << "";
    }

    void results()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, out);
        QTemporaryDir dir;
        testing::writeFile(dir.filePath("2026-12-06.csv"),
                           "hora,alumno,archivo,palabra,modo,posicion,letra,resultado,aciertos,fallos\n"
                           "2026-12-05T09:00:00,Ana,01.txt,casa,silaba,2,a,bien,1,0\n");
        testing::writeFile(dir.filePath("2026-12-07-aula3.csv"),
                           "hora,alumno,archivo,palabra,modo,posicion,letra,resultado,aciertos,fallos,escrita,equipo\n"
                           "2026-12-06T10:00:00,Ana,01.txt,arbol,tilde,1,a,mal,0,1,\u00e1rbol,aula3\n"
                           "2026-12-06T10:00:05,Ana,01.txt,arbol,tilde,1,\u00e1,bien,1,1,\u00e1rbol,aula3\n"
                           "2026-12-07T10:01:00,'=Teo,01.txt,cancion,tilde,,sin-tilde,mal,0,1,canci\u00f3n,aula3\n"
                           "2026-12-04T10:01:00,Teo,01.txt,sol,vocal,2,o,bien,1,1,sol,aula3\n");
        for (QString &arg : args)
            arg.replace("DIR", dir.path());
        const Run run = author(args);
        QTEST(run.exit, "exit");
        if (out.startsWith("..."))
            QVERIFY2(run.out.endsWith(out.mid(3)), qPrintable(run.out));
        else if (out.endsWith("..."))
            QVERIFY2(run.out.startsWith(out.chopped(3)), qPrintable(run.out));
        else
            QCOMPARE(run.out, out);
        QCOMPARE(run.err.isEmpty(), run.exit == 0);
    }

    // A path that is no readable exercise file is named, with the reason, and
    // fails the command; a FIFO is never waited on.
    void unreadableFilesAreTold_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");  // what stands at the path
        QTest::addColumn<QString>("told");
        const QString special = "it is not a regular file";
        for (const char *command : {"check", "record"}) {
            QTest::addRow("%s: a missing file", command) << command << "missing" << "No such file or directory";
            QTest::addRow("%s: a folder", command) << command << "ejercicios" << "it is a folder";
            QTest::addRow("%s: a link to a FIFO", command) << command << "link" << special;
            QTest::addRow("%s: a Word document", command) << command << "palabras.docx"
                                                          << "it is a Word, LibreOffice or similar document, not a list";
        }
        QTest::newRow("make: a FIFO") << "make" << "fifo" << special;
        QTest::newRow("make: a picture") << "make" << "foto.png" << "it is a picture, not a list of words";
    }

    void unreadableFilesAreTold()
    {
        QFETCH(QString, command);
        QFETCH(QString, name);
        if (command == "record" && !WordRecorder::missingTools().isEmpty())
            QSKIP("espeak-ng and sox are needed");
        testing::ContentTree tree;
        QVERIFY(testing::makeFifo(tree.path("fifo")));
        QVERIFY(QFile::link(tree.path("fifo"), tree.path("link")));
        testing::writeFile(tree.path("palabras.docx"), "PK\x03\x04word/document.xml");
        testing::writeFile(tree.path("foto.png"), "\x89PNG\r\n\x1a\n");
        const Run run = author({command, "--content", tree.root, "--no-dictionary", tree.path(name)});
        QCOMPARE(run.exit, 1);
        QFETCH(QString, told);
        QVERIFY2(run.err.contains("cannot read " + tree.path(name) + ": " + told), qPrintable(run.err));
    }

    void record()
    {
        if (!WordRecorder::missingTools().isEmpty())
            QSKIP("espeak-ng and sox are needed");
        testing::ContentTree tree;
        tree.exercise("a.txt", {"sol,2,sol,NO,", QString("arbol,1,ar,á,"), "../x,1,x,NO,", "sol,2,sol,NO,Sale el sol.,"});
        tree.recording("sol");
        const Run run = author({"record", "--content", tree.root, tree.path("ejercicios/a.txt")});
        QCOMPARE(run.exit, 1);  // the name that climbs out of the folder is refused
        QVERIFY(run.err.contains("«../x» cannot name a file"));
        QVERIFY(run.out.contains(QString("(«árbol»)")));
        const QByteArray wav = testing::readFile(tree.path("sonidospalabras/arbol.wav"));
        QVERIFY(wav.startsWith("RIFF") && wav.size() > 10000);
        QCOMPARE(QFile(tree.path("sonidospalabras/sol.wav")).size(), qint64(4));  // kept, not remade
        // The sentence said as a whole, longer than a word.
        const QString sentence = "sonidosfrases/" + ContentLocator::sentenceRecordingName("sol", "Sale el sol.") + ".wav";
        QVERIFY(soundFromWav(testing::readFile(tree.path(sentence))).seconds() > 0.8);
        QVERIFY(!QFile::exists(tree.path("x.wav")));
    }
};

QTEST_GUILESS_MAIN(TestAuthor)
#include "tst_author.moc"
