// Answers kept through the window: short games in each mode write the
// expected rows, nothing is written before the first answer, and a folder
// that refuses leaves the game exactly as it was.
#include "results/resultrow.h"
#include "startup/form1.h"

#include "platform/gifview.h"
#include "platform/letterstrip.h"
#include "platform/picturebutton.h"

#include "../support/files.h"
#include "../support/testcontent.h"

#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

using namespace tildora;

using testing::Window;

namespace {

constexpr int NoAccentButton = -1;
constexpr int NextWord = -2;
const QPoint Corner(1, 1);

// A game over the lines in the mode, with answers kept in a folder of its own.
struct Game {
    QTemporaryDir data;
    Window w;
    QDateTime started;

    Game(const QStringList &lines, int mode, const QString &child = {}) : w(lines)
    {
        w.form->keepAnswers(folder(), child);
        w.load();
        w.form->show();
        w.form->Command2_Click(mode);
        started = QDateTime::currentDateTime().addSecs(-1);
    }
    QString folder() const { return data.filePath("tildora/resultados"); }
    void press(int what)
    {
        if (what == NoAccentButton)
            QTest::mouseClick(w.form->Command4, Qt::LeftButton);
        else if (what == NextWord)
            QTest::mouseClick(w.form->Command1, Qt::LeftButton);
        else
            QTest::mouseClick(w.form->Picture2->letter(what), Qt::LeftButton, {}, Corner);
    }
    QByteArray dayFile() const
    {
        const QStringList files = QDir(folder()).entryList(QDir::Files);
        return files.size() == 1 ? testing::readFile(folder() + "/" + files[0])
                                 : "(" + QByteArray::number(files.size()) + " files)";
    }
};

// The fields of a row from the word on: what a game decides.
QStringList answered(const QList<ResultRow> &rows)
{
    QStringList out;
    for (const ResultRow &r : rows)
        out << QStringList{r.word,   r.mode, r.position ? QString::number(r.position) : QString(),
                           r.letter, r.result, QString::number(r.right), QString::number(r.wrong)}
                   .join(',');
    return out;
}

} // namespace

class TestResultsWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Whatever goes wrong, nothing lands in the real home.
        static QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
    }

    void gamesWriteTheirRows_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("vowel: wrong, right, then the next word with its letters open again")
            << 0 << QList<int>{0, 1, NextWord, 0}
            << QStringList{"casa,vocal,1,c,mal,0,1", "casa,vocal,2,a,bien,1,1", "sol,vocal,1,s,mal,1,2"};
        QTest::newRow("syllable: letters before the last are partial hits")
            << 1 << QList<int>{0, 1} << QStringList{"casa,silaba,1,c,acierto-parcial,0,0", "casa,silaba,2,a,bien,1,0"};
        QTest::newRow("accent: wrong letter, then the no-accent button")
            << 2 << QList<int>{1, NoAccentButton}
            << QStringList{"casa,tilde,2,a,mal,0,1", "casa,tilde,,sin-tilde,bien,1,1"};
    }

    void gamesWriteTheirRows()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, presses);
        QFETCH(QStringList, rows);
        Game game({"casa,2,ca,NO,", "sol,2,sol,NO,"}, mode, QStringLiteral("Núria"));
        // Loading and choosing the mode answer nothing, so they write nothing.
        QVERIFY(!QFileInfo::exists(game.data.filePath("tildora")));
        for (const int what : presses)
            game.press(what);
        const QByteArray bytes = game.dayFile();
        QVERIFY2(bytes.startsWith(resultsHeader()), bytes.constData());
        const QList<ResultRow> kept = parseResults(bytes);
        QCOMPARE(answered(kept), rows);
        const QDateTime ended = QDateTime::currentDateTime().addSecs(1);
        for (const ResultRow &r : kept) {
            QVERIFY(r.time >= game.started && r.time <= ended);
            QCOMPARE(r.child, QString("Núria"));
            QCOMPARE(r.exerciseFile, QString("01.txt"));
        }
        // The window's counters are the last row's.
        QCOMPARE(QString::number(kept.last().right), game.w.form->Label1[0]->text());
        QCOMPARE(QString::number(kept.last().wrong), game.w.form->Label1[1]->text());
    }

    void refusingFolderLeavesTheGameAlone()
    {
        Game game({"casa,2,ca,NO,", "sol,2,sol,NO,"}, 0, QStringLiteral("Ana"));
        testing::writeFile(game.folder());  // a file where the folder should be
        Form1 &f = *game.w.form;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("answers are not kept in .*resultados"));
        QTest::failOnWarning(QRegularExpression("answers are not kept"));
        game.press(0);
        game.press(1);
        QVERIFY(f.Gif89a1[0]->isVisible() && !f.Gif89a1[1]->isVisible());
        game.press(NextWord);
        game.press(0);
        QVERIFY(!f.Gif89a1[0]->isVisible() && f.Gif89a1[1]->isVisible());
        QCOMPARE(f.Label1[0]->text(), QString("1"));
        QCOMPARE(f.Label1[1]->text(), QString("2"));
        // 8: the first praise drawn
        const QStringList sounds{game.w.tree.path("sonidos/fallo.wav"), game.w.tree.path("sonidos/8.wav")};
        QCOMPARE(game.w.sound.played.mid(0, 2), sounds);
        QCOMPARE(f.record().text(), QString("casa\ncasa\nsol\n"));
        QVERIFY(QFileInfo(game.folder()).isFile());
    }
};

QTEST_MAIN(TestResultsWindow)
#include "tst_resultswindow.moc"
