// Checking as the teacher types: the same findings as tildora-author check,
// and the spelling suggestion on request.
#include "authoring/dictionary.h"
#include "authoring/filecheck.h"
#include "authoring/livecheck.h"
#include "content/contentlocator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "../support/files.h"

using namespace tildora;

class TestLiveCheck : public QObject
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

    void sameAsTheFileCheck_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("sound, repeated and broken lines")
            << QStringList{"casa,2,ca,NO,", "casa,2,ca,NO,", "sofa,4,fa,á,",
                           QStringLiteral("mesa,7,me,NO,"), QString(), QStringLiteral("arbol,1,ar,é,"), QStringLiteral("xyz")};
        QTest::newRow("every bundled list") << QStringList();
    }

    void sameAsTheFileCheck()
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

    void suggestionOnRequest()
    {
        LiveCheck check;
        check.setDictionary(m_dictionary.get());
        const QList<CheckedLine> checked = check.check({QStringLiteral("arboles,1,ar,á,"), QStringLiteral("sol,2,sol,NO,")});
        QVERIFY(checked.at(0).unknownWord);
        QVERIFY(!checked.at(1).unknownWord);
        QVERIFY(check.suggestions(QStringLiteral("arboles,1,ar,á,")).contains(QStringLiteral("árbol")));
        QCOMPARE(check.suggestions(QStringLiteral("not a line")), QStringList());
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

QTEST_MAIN(TestLiveCheck)
#include "tst_livecheck.moc"
