// Checking as the teacher types: the same findings as tildora-author check,
// the spelling suggestion on request, and the letter pictures and recordings
// of a content tree.
#include "authoring/dictionary.h"
#include "authoring/filecheck.h"
#include "authoring/livecheck.h"
#include "content/contentlocator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tildora;

class TestLiveCheck : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void findings_data();
    void findings();
    void sameAsTheFileCheck_data();
    void sameAsTheFileCheck();
    void suggestionOnRequest();
    void dictionaryArrivingLater();

private:
    void put(const QString &relative, const QByteArray &bytes = "x");
    QTemporaryDir m_dir;
    std::unique_ptr<SpanishDictionary> m_dictionary;
    ContentLocator m_content;
};

void TestLiveCheck::put(const QString &relative, const QByteArray &bytes)
{
    const QString path = m_dir.path() + QStringLiteral("/content/") + relative;
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestLiveCheck::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // A content tree with the letters of casa and sol, the accented á, and
    // only the recording of casa.
    for (const char *letter : {"c", "a", "s", "o", "l"})
        put(QStringLiteral("letrasgifs/%1.gif").arg(QLatin1String(letter)));
    put(QStringLiteral("letrasacento/á.gif"));
    put(QStringLiteral("sonidospalabras/casa.wav"));
    m_content = ContentLocator(m_dir.path() + QStringLiteral("/content"));
    // A dictionary of four words, so that what it knows and suggests is fixed.
    put(QStringLiteral("../dic/es_ES.aff"), "SET UTF-8\nTRY esaiorlnctudmpbgvhfzqjyxkwáéíóúñü\n");
    put(QStringLiteral("../dic/es_ES.dic"), "4\ncasa\nsol\nsofá\nárbol\n");
    m_dictionary = std::make_unique<SpanishDictionary>(m_dir.path() + QStringLiteral("/dic"));
    QVERIFY(m_dictionary->isOpen());
}

void TestLiveCheck::findings_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("messages");  // each found in one problem of the row
    QTest::addColumn<bool>("error");
    const QString casa = QStringLiteral("casa,2,ca,NO,");
    QTest::newRow("a sound line with all it needs: casa") << QStringList{casa} << 0 << QStringList{} << false;
    QTest::newRow("a missing recording: sol")
        << QStringList{QStringLiteral("sol,2,sol,NO,")} << 0 << QStringList{QStringLiteral("no recording sonidospalabras/sol.wav")}
        << false;
    QTest::newRow("a missing letter picture: cosa with an e")
        << QStringList{QStringLiteral("cose,2,co,NO,")} << 0
        << QStringList{QStringLiteral("no letter picture letrasgifs/e.gif")} << true;
    QTest::newRow("a word the dictionary lacks: casas")
        << QStringList{QStringLiteral("casas,2,ca,NO,")} << 0
        << QStringList{QStringLiteral("«casas» is not in the Spanish dictionary")} << false;
    QTest::newRow("a repeated word, on its second line")
        << QStringList{casa, QStringLiteral("sol,2,sol,NO,"), casa} << 2 << QStringList{QStringLiteral("«casa» is already on line 1")}
        << false;
    QTest::newRow("a position that is not a vowel")
        << QStringList{QStringLiteral("casa,1,ca,NO,")} << 0 << QStringList{QStringLiteral("position 1 is 'c', not a vowel")}
        << true;
    QTest::newRow("a missing written accent by the rules: sofá without it")
        << QStringList{QStringLiteral("sofa,4,fa,NO,")} << 0 << QStringList{QStringLiteral("by the accent rules «sofa» is stressed on letter 2")}
        << true;  // and f has no picture here
    QTest::newRow("a line cut short") << QStringList{QStringLiteral("casa,2")} << 0
                                      << QStringList{QStringLiteral("fewer than four fields")} << true;
    QTest::newRow("an empty line") << QStringList{QString()} << 0 << QStringList{QStringLiteral("empty line")} << false;
}

void TestLiveCheck::findings()
{
    QFETCH(QStringList, lines);
    QFETCH(int, row);
    QFETCH(QStringList, messages);
    QFETCH(bool, error);
    LiveCheck check;
    check.setContent(&m_content);
    check.setDictionary(m_dictionary.get());
    const QList<CheckedLine> checked = check.check(lines);
    QCOMPARE(checked.size(), lines.size());
    const CheckedLine &line = checked.at(row);
    QStringList found;
    for (const LineProblem &p : line.problems)
        found << p.message;
    for (const QString &message : messages)
        QVERIFY2(found.join(QLatin1Char('\n')).contains(message), qPrintable(found.join(QLatin1Char('\n'))));
    if (messages.isEmpty())
        QCOMPARE(found, QStringList());
    QCOMPARE(line.hasError(), error);
}

void TestLiveCheck::sameAsTheFileCheck_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("sound, repeated and broken lines")
        << QStringList{QStringLiteral("casa,2,ca,NO,"), QStringLiteral("casa,2,ca,NO,"), QStringLiteral("sofa,4,fa,á,"),
                       QStringLiteral("mesa,7,me,NO,"), QString(), QStringLiteral("arbol,1,ar,é,"), QStringLiteral("xyz")};
    QTest::newRow("every bundled list") << QStringList();
}

void TestLiveCheck::sameAsTheFileCheck()
{
    QFETCH(QStringList, lines);
    QStringList files;
    if (lines.isEmpty())
        for (const QString &name : QDir(QStringLiteral(TILDORA_SOURCE_DIR "/content/ejercicios")).entryList(QDir::Files))
            files << QStringLiteral(TILDORA_SOURCE_DIR "/content/ejercicios/") + name;
    const auto compare = [&](const ExerciseLines &exercise) {
        const ContentLocator bundled(QStringLiteral(TILDORA_SOURCE_DIR "/content"));
        QStringList byFileCheck, byLiveCheck;
        for (const FileProblem &p : checkExerciseLines(exercise, m_dictionary.get(), &bundled))
            byFileCheck << QStringLiteral("%1: %2").arg(p.line).arg(p.problem.message.section(QStringLiteral("; did you mean"), 0, 0));
        LiveCheck check;
        check.setContent(&bundled);
        check.setDictionary(m_dictionary.get());
        const QList<CheckedLine> checked = check.check(exercise.toStringList());
        for (qsizetype i = 0; i < checked.size(); ++i)
            for (const LineProblem &p : checked.at(i).problems)
                byLiveCheck << QStringLiteral("%1: %2").arg(i + 1).arg(p.message);
        byFileCheck.sort();
        byLiveCheck.sort();
        QCOMPARE(byLiveCheck, byFileCheck);
    };
    if (!lines.isEmpty())
        compare(ExerciseLines::fromStringList(lines));
    for (const QString &file : files)
        compare(loadExerciseLines(file));
}

void TestLiveCheck::suggestionOnRequest()
{
    LiveCheck check;
    check.setDictionary(m_dictionary.get());
    const QList<CheckedLine> checked = check.check({QStringLiteral("arboles,1,ar,á,"), QStringLiteral("sol,2,sol,NO,")});
    QVERIFY(checked.at(0).unknownWord);
    QVERIFY(!checked.at(1).unknownWord);
    QVERIFY(check.suggestions(QStringLiteral("arboles,1,ar,á,")).contains(QStringLiteral("árbol")));
    QCOMPARE(check.suggestions(QStringLiteral("not a line")), QStringList());
}

void TestLiveCheck::dictionaryArrivingLater()
{
    LiveCheck check;
    const QStringList lines{QStringLiteral("casas,2,ca,NO,")};
    QVERIFY(!check.check(lines).first().unknownWord);
    check.setDictionary(m_dictionary.get());
    QVERIFY(check.check(lines).first().unknownWord);
    check.setDictionary(nullptr);
    QVERIFY(!check.check(lines).first().unknownWord);
}

QTEST_MAIN(TestLiveCheck)
#include "tst_livecheck.moc"
