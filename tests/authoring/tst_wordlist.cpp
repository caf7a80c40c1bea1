// The word list being edited: each line read as Tildora uses it, the edits
// and their undo, the text a teacher types or imports in any encoding, and
// the check as the teacher types: recordings followed as they are made, and
// the spelling suggestion on request.
#include "authoring/dictionary.h"
#include "authoring/filecheck.h"
#include "authoring/livecheck.h"
#include "authoring/textimport.h"
#include "authoring/wordanalysis.h"
#include "authoring/wordlistmodel.h"
#include "content/contentlocator.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include "../support/files.h"
#include "../support/testcontent.h"

#include <ctime>
#include <utime.h>

using namespace tildora;

namespace {
const QStringList Start{"casa,2,ca,NO,", "sol,2,sol,NO,", "mesa,2,me,NO,"};
}

class TestWordList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // A dictionary of four words, so that what it knows and suggests is fixed.
        testing::writeFile(m_dir.filePath("dic/es_ES.aff"), "SET UTF-8\nTRY esaiorlnctudmpbgvhfzqjyxkwáéíóúñü\n");
        testing::writeFile(m_dir.filePath("dic/es_ES.dic"), "4\ncasa\nsol\nsofá\nárbol\n");
        m_dictionary = std::make_unique<SpanishDictionary>(m_dir.path() + QStringLiteral("/dic"));
        QVERIFY(m_dictionary->isOpen());
    }

    void analysis_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("tilde");
        QTest::newRow("llana sin tilde: casa") << "casa,2,ca,NO," << "casa" << "CA·sa" << "llana" << false;
        QTest::newRow("llana con tilde: árbol") << "arbol,1,ar,á," << "árbol" << "ÁR·bol" << "llana" << true;
        QTest::newRow("aguda con tilde: papá") << "papa,4,pa,á," << "papá" << "pa·PÁ" << "aguda" << true;
        QTest::newRow("esdrújula: pájaro") << "pajaro,2,pa,á," << "pájaro" << "PÁ·ja·ro" << "esdrújula" << true;
        QTest::newRow("hiato con tilde: país") << "pais,3,is,í," << "país" << "pa·ÍS" << "aguda" << true;
        QTest::newRow("adverbio en -mente con la tilde del adjetivo: rápidamente")
            << "rapidamente,2,ra,á," << "rápidamente" << "RÁ·pi·da·men·te" << "adverbio en -mente" << true;
        QTest::newRow("adverbio en -mente sin tilde: lentamente")
            << "lentamente,2,len,NO," << "lentamente" << "LEN·ta·men·te" << "adverbio en -mente" << false;
    }

    void analysis()
    {
        QFETCH(QString, line);
        const WordAnalysis a = analyseLine(line);
        QVERIFY(a.readable);
        QTEST(a.written, "written");
        QTEST(markedSyllables(a), "marked");
        QTEST(kindName(a.kind), "kind");
        QTEST(a.takesTilde, "tilde");
    }

    void ruleFindings_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("findings");
        QTest::newRow("aguda en consonante + s: robots") << QStringList{"robots,4,bots,NO,"} << QStringList();
        QTest::newRow("tilde quitada en 2010: guión")
            << QStringList{"guion,4,guion,ó,"} << QStringList{"1: «guión» is written «guion» since 2010: one syllable for writing"};
        QTest::newRow("monosílabo con tilde: fué")
            << QStringList{"fue,3,fue,é,"} << QStringList{"1: «fué» is written «fue»: a word of one syllable takes no written accent"};
        QTest::newRow("tilde diacrítica: él, tú, qué") << QStringList{"el,1,el,é,", "tu,2,tu,ú,", "que,3,que,é,"} << QStringList();
        QTest::newRow("adverbio en -mente: la tónica del adjetivo, o men")
            << QStringList{"felizmente,4,liz,NO,", "lentamente,7,men,NO,"} << QStringList();
        const QString shared = "the child hears the same recording for «término», «termino» and «terminó»";
        QTest::newRow("una grafía, tres palabras: término, termino, terminó")
            << QStringList{"termino,2,ter,é,", "termino,5,mi,NO,", "termino,7,no,ó,"}
            << QStringList{"1: " + shared, "2: " + shared, "3: " + shared};
        QTest::newRow("frases: sin la palabra, demasiado larga, con otra tilde")
            << QStringList{"tu,2,tu,NO,Vamos al parque.,", "mi,2,mi,NO,Mi " + QString("casa ").repeated(18) + "es roja.,",
                           "tu,2,tu,ú,¿Vienes tu al parque?,"}
            << QStringList{"1: the text after the fourth comma does not hold «tu» as a word of its own: Tildora ignores it",
                           "2: the sentence has 101 characters, and the window shows 90 at most: shorten it",
                           "3: the sentence writes «tu», not «tú»: is a written accent wrong?"};
    }

    // What the accent rules and the lines of a list say, without dictionary or content.
    void ruleFindings()
    {
        QFETCH(QStringList, lines);
        QStringList findings;
        LiveCheck check;
        const QList<CheckedLine> checked = check.check(lines);
        for (qsizetype i = 0; i < checked.size(); ++i)
            for (const LineProblem &p : checked.at(i).problems)
                findings << QStringLiteral("%1: %2").arg(QString::number(i + 1), p.message);
        QTEST(findings, "findings");
    }

    void importedText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<QStringList>("leftOut");  // what stays to be mended
        const QString words = QStringLiteral("árbol\r\npingüino\r\nniño\r\n");
        const QStringList made{"arbol,1,ar,á,", "pingüino,6,güi,NO,", "niño,2,ni,NO,"};
        QTest::newRow("UTF-8 with its mark")
            << QByteArray("\xEF\xBB\xBF") + words.toUtf8() << made << QStringList() << QStringList();
        QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        QTest::newRow("UTF-16 little-endian with its mark")
            << QByteArray(utf16(words)) << made << QStringList() << QStringList();
        QTest::newRow("Windows-1252")
            << QByteArray("\xe1rbol\r\nping\xfcino\r\nni\xf1o\r\n") << made << QStringList() << QStringList();
        QTest::newRow("an exercise line is kept as it is, even a wrong one")
            << QByteArray("casa,2,ca,NO,\ncasa,9,ca,NO,") << QStringList{"casa,2,ca,NO,", "casa,9,ca,NO,"} << QStringList()
            << QStringList();
        QTest::newRow("a word with a digit is left out and told by its line, blank lines counted")
            << QByteArray("sol\n\nm3sa\rluna") << QStringList{"sol,2,sol,NO,", "luna,2,lu,NO,"}
            << QStringList{"line 3: «m3sa»: '3' is not a letter"} << QStringList{"m3sa"};
        QTest::newRow("a word and its sentence, which may hold commas or a colon; a sentence without the word is told")
            << QString("tú: ¿Vienes tú al parque?\nsi: Si llueve, me quedo.\ntú: ¿Viene usted?\nmás:\n"
                       "tu,2,tu,ú,Mira: tú ganas.,\ntu: ¿Vienes tú?").toUtf8()
            << QStringList{"tu,2,tu,ú,¿Vienes tú al parque?,", "si,2,si,NO,Si llueve, me quedo.,", "tu,2,tu,ú,Mira: tú ganas.,"}
            << QStringList{"line 3: «tú»: the sentence «¿Viene usted?» does not hold «tú» as a word of its own",
                           "line 4: «más»: there is no sentence after the colon",
                           "line 6: «tu»: the sentence writes «tú», not «tu»: type the word as the sentence has it"}
            << QStringList{"tú: ¿Viene usted?", "más:", "tu: ¿Vienes tú?"};
        QTest::newRow("a word that holds %1 is told as it is")
            << QByteArray("c%1a") << QStringList() << QStringList{"line 1: «c%1a»: '%' is not a letter"}
            << QStringList{"c%1a"};
        const QString tooLong = "«" + QString(60, 'a') + "…»: a word of 61 letters is longer than any real word (60 at most)";
        QTest::newRow("a word or a line's word longer than any real word is left out and told, cut short")
            << QByteArray(61, 'a') + "\nsol\n" + QByteArray(61, 'a') + ",1,a,NO," << QStringList{"sol,2,sol,NO,"}
            << QStringList{"line 1: " + tooLong, "line 3: " + tooLong}
            << QStringList{QString(61, 'a'), QString(61, 'a') + ",1,a,NO,"};
        QTest::newRow("a list pasted from a document: its numbers and bullets are no part of the words")
            << QByteArray("1. \xc3\xa1rbol\r\n\xe2\x80\xa2 ping\xc3\xbcino\r\n- ni\xc3\xb1o\r\n3)\tsol\r\n* luna\r\n2.m3sa")
            << QStringList{"arbol,1,ar,á,", "pingüino,6,güi,NO,", "niño,2,ni,NO,", "sol,2,sol,NO,", "luna,2,lu,NO,"}
            << QStringList{"line 6: «m3sa»: '3' is not a letter"} << QStringList{"m3sa"};
        QTest::newRow("a word written as before 2010 is made as today, not told as left out")
            << QByteArray("gui\xc3\xb3n") << QStringList{"guion,4,guion,NO,"} << QStringList() << QStringList();
    }

    void importedText()
    {
        QFETCH(QByteArray, bytes);
        const ImportedLines imported = linesFromBytes(bytes);
        QTEST(imported.lines, "lines");
        QTEST(imported.problems, "problems");
        QTEST(imported.leftOut, "leftOut");
    }

    void editsUndoAndRedo_data()
    {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("edit a line") << 0 << QStringList{Start[0], "sol,2,so,NO,", Start[2]};
        QTest::newRow("remove the last two lines") << 1 << QStringList{Start[0]};
        QTest::newRow("move the first line down to the end") << 2 << QStringList{Start[1], Start[2], Start[0]};
        QTest::newRow("type a word with its accent: canción") << 3 << QStringList{Start[0], "cancion,6,cion,ó,", Start[2]};
        QTest::newRow("remove the first and the last line, one step") << 4 << QStringList{Start[1]};
        QTest::newRow("a sentence pasted over two lines: one line of the file")
            << 5 << QStringList{Start[0], "sol,2,sol,NO,Sale el sol, cada día.,", Start[2]};
    }

    void editsUndoAndRedo()
    {
        QFETCH(int, edit);
        QFETCH(QStringList, after);
        WordListModel model;
        QUndoStack undo;
        model.setUndoStack(&undo);
        model.resetLines(Start);
        switch (edit) {
        case 0: model.editLine(1, QStringLiteral("sol,2,so,NO,")); break;
        case 1: model.removeLines(1, 2); break;
        case 2: model.moveLine(0, 2); break;
        case 3: QVERIFY(model.setData(model.index(1, WordListModel::WordColumn), QStringLiteral("canción"))); break;
        case 4: model.removeChosenLines({2, 0, 2, 7}); break;
        case 5: QVERIFY(model.setData(model.index(1, WordListModel::SentenceColumn), QStringLiteral("Sale el sol,\ncada día."))); break;
        }
        QCOMPARE(model.lines(), after);
        QCOMPARE(model.rowCount(), after.size());
        QCOMPARE(undo.count(), 1);
        undo.undo();
        QCOMPARE(model.lines(), Start);
        QCOMPARE(model.data(model.index(2, WordListModel::WordColumn)).toString(), QStringLiteral("mesa"));
        undo.redo();
        QCOMPARE(model.lines(), after);
        // No change, no step to undo: the same line again, a row that is not
        // there, a typed word that is not a word, or a line of no real word.
        model.editLine(0, after.first());
        for (const int missing : {-1, int(after.size())}) {
            model.editLine(missing, QStringLiteral("sol,2,so,NO,"));
            model.moveLine(0, missing);
            model.moveLine(missing, 0);
        }
        QVERIFY(!model.setData(model.index(0, WordListModel::WordColumn), QStringLiteral("12")));
        QVERIFY(!model.setData(model.index(0, WordListModel::LineColumn), QString(61, 'a') + ",1,a,NO,"));
        QCOMPARE(undo.count(), 1);
        QCOMPARE(model.data(model.index(0, WordListModel::LineColumn)).toString(), after.first());
    }

    void repeatsFollowTheEdits()
    {
        WordListModel model;
        model.resetLines({"sol,2,sol,NO,", "luna,2,lu,NO,", "sol,2,sol,NO,"});
        const auto repeatWarnings = [&](int row) {
            int n = 0;
            for (const LineProblem &p : model.checked(row).problems)
                n += p.message.contains(QStringLiteral("already on line 1"));
            return n;
        };
        QCOMPARE(repeatWarnings(0), 0);
        QCOMPARE(repeatWarnings(2), 1);
        QCOMPARE(model.headerData(0, Qt::Vertical).toInt(), 1);  // "line 1" is the row numbered 1
        QCOMPARE(model.data(model.index(2, 0), WordListModel::SeverityRole).toInt(), 1);
        model.editLine(0, QStringLiteral("mar,2,mar,NO,"));
        QCOMPARE(repeatWarnings(2), 0);
        QCOMPARE(model.warningCount(), 0);
    }

    // Recordings made or removed between two checks are found by the next one,
    // though the folder is listed again only when it has changed.
    void recordingsFollowTheFolder()
    {
        testing::ContentTree tree;
        tree.alphabet();
        tree.recording("casa");
        const ContentLocator content(tree.root);
        LiveCheck check;
        check.setContent(&content);
        const auto missing = [&] {
            QList<bool> found;
            for (const CheckedLine &line : check.check({"casa,2,ca,NO,", "sol,2,sol,NO,", "sol,2,sol,NO,El sol brilla.,"}))
                found << std::any_of(line.problems.cbegin(), line.problems.cend(),
                                     [](const LineProblem &p) { return p.message.startsWith("no recording"); });
            return found;
        };
        const auto unchangedForAnHour = [&] {
            const utimbuf old{std::time(nullptr) - 3600, std::time(nullptr) - 3600};
            QCOMPARE(::utime(QFile::encodeName(tree.path("sonidospalabras")).constData(), &old), 0);
        };
        unchangedForAnHour();
        QCOMPARE(missing(), (QList<bool>{false, true, true}));
        tree.recording("sol");
        QCOMPARE(missing(), (QList<bool>{false, false, true}));  // a sentence is heard from its own
        tree.write("sonidosfrases/" + ContentLocator::sentenceRecordingName("sol", "El sol brilla.") + ".wav", "RIFF");
        QCOMPARE(missing(), (QList<bool>{false, false, false}));
        unchangedForAnHour();
        QCOMPARE(missing(), (QList<bool>{false, false, false}));
        QVERIFY(QFile::remove(tree.path("sonidospalabras/casa.wav")));
        QCOMPARE(missing(), (QList<bool>{true, false, false}));
    }

    void suggestionOnRequest()
    {
        LiveCheck check;
        check.setDictionary(m_dictionary.get());
        const QList<CheckedLine> checked = check.check({"arboles,1,ar,á,", "sol,2,sol,NO,"});
        QVERIFY(checked.at(0).unknownWord);
        QVERIFY(!checked.at(1).unknownWord);
        QVERIFY(check.suggestions(QStringLiteral("arboles,1,ar,á,")).contains(QStringLiteral("árbol")));
        QCOMPARE(check.suggestions(QStringLiteral("not a line")), QStringList());
    }

    // tildora-author check gives hunspell's slow suggestions to a bounded
    // number of words; a forgotten accent is suggested to every word.
    void suggestionsWithinALimit()
    {
        FileCheck check(m_dictionary.get(), nullptr);
        check.setSuggestionLimit(1);
        QStringList told;
        for (const FileProblem &p : check.check(ExerciseLines::fromStringList(
                 {"arboles,1,ar,á,", "arbol,4,bol,NO,", "casas,2,ca,NO,", "sofa,2,so,NO,"})))
            if (p.problem.message.contains("dictionary"))
                told << p.problem.message;
        QCOMPARE(told, (QStringList{"«árboles» is not in the Spanish dictionary; did you mean árbol?",
                                    "«arbol» is not in the Spanish dictionary; did you mean árbol?",
                                    "«casas» is not in the Spanish dictionary",
                                    "«sofa» is not in the Spanish dictionary; did you mean sofá?"}));
        QCOMPARE(check.wordsWithoutSuggestions(), 1);
    }

    void dictionaryArrivingLater()
    {
        LiveCheck check;
        const QStringList lines{QStringLiteral("casas,2,ca,NO,")};
        QVERIFY(!check.check(lines).first().unknownWord);
        check.setDictionary(m_dictionary.get());
        QVERIFY(check.check(lines).first().unknownWord);
        check.setDictionary(nullptr);
        QVERIFY(!check.check(lines).first().unknownWord);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SpanishDictionary> m_dictionary;
};

QTEST_MAIN(TestWordList)
#include "tst_wordlist.moc"
