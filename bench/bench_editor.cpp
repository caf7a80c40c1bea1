// The teacher's window: pasting 1,000 words until every line and its problems
// are in the table (goal: 200 ms); pasting 10,000 words, and 300 words the
// dictionary does not know, into the window's new-words box, and importing
// 10,000 words with the Voices tab in sight, until the window answers again
// (goal: 1 s, 2 s, 1 s) and until it is painted, then one line changed; and
// the first window against a bare Qt window, both started the same way,
// alternately (goal: ratio <= 1.5).
#include "authoring/dictionary.h"
#include "authoring/textimport.h"
#include "authoring/wordlistmodel.h"
#include "content/contentlocator.h"
#include "editor/editorwindow.h"
#include "editor/wordpanel.h"
#include "firstframe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QTimer>
#include <QTableView>

#include <algorithm>
#include <memory>
#include <tuple>
#include <cstdio>
#include <vector>

using namespace tildora;

namespace {

// Real words: the first plain entries of the Spanish dictionary.
QString realWords(int count = 1000)
{
    QFile dic(QStringLiteral("/usr/share/hunspell/es_ES.dic"));
    QStringList words;
    if (dic.open(QIODevice::ReadOnly)) {
        dic.readLine();  // the count
        while (words.size() < count && !dic.atEnd()) {
            const QString word = QString::fromUtf8(dic.readLine()).section(QLatin1Char('/'), 0, 0).trimmed();
            if (word.size() > 2 && word.at(0).isLower())
                words << word;
        }
    }
    for (int i = int(words.size()); i < count; ++i)  // no dictionary: made-up words still cost a check each
        words << QStringLiteral("palabra%1").arg(QChar(u'a' + i % 26)).repeated(1 + i % 3);
    return words.join(QLatin1Char('\n'));
}

// Made-up words of three syllables that no dictionary knows.
QString unknownWords(int count)
{
    const QStringList syllables{"bru", "flo", "ques", "trim", "zan", "plo", "gur", "fes", "drin", "clu"};
    QStringList words;
    for (int i = 0; i < count; ++i)
        words << syllables[i % 10] + syllables[(i / 10) % 10] + syllables[(i / 100 + 3) % 10] + QStringLiteral("ñe");
    return words.join(QLatin1Char('\n'));
}

struct PasteTimes {
    double answers = 0;  // ms until the window handles its next event
    double shown = 0;    // ms until the lines and their problems are painted
    double edit = 0;     // ms to change one line of the pasted list, until the window answers
};

// Pastes the text into the new-words box of a shown window and adds it, as
// Ctrl+Return does; or, with the Voices tab in sight, imports it from a file.
PasteTimes pasteIntoWindow(const ContentLocator &content, const std::shared_ptr<SpanishDictionary> &dictionary,
                           const QString &text, bool voicesInSight)
{
    EditorWindow window(content);
    window.setDictionary(dictionary);
    window.show();
    window.attachPanels();
    window.tabs()->setCurrentIndex(voicesInSight ? 1 : 0);
    QApplication::processEvents();
    auto *words = window.findChild<WordPanel *>();
    words->newWords()->setPlainText(text);
    QTemporaryFile file;
    if (voicesInSight && file.open()) {
        file.write(text.toUtf8());
        file.close();
    }
    PasteTimes times;
    QElapsedTimer timer;
    timer.start();
    QTimer::singleShot(0, &window, [&] { times.answers = double(timer.nsecsElapsed()) / 1e6; });
    if (voicesInSight)
        window.importFile(file.fileName());
    else
        words->addNewWords();
    while (times.answers == 0)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();  // painted
    times.shown = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    window.model()->editLine(1, QStringLiteral("casa,2,ca,NO,"));
    QApplication::processEvents();
    times.edit = double(timer.nsecsElapsed()) / 1e6;
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const ContentLocator content(QStringLiteral(TILDORA_SOURCE_DIR "/content"));
    const auto dictionary = std::make_shared<SpanishDictionary>();
    const QString pasted = realWords();

    std::vector<double> paste;
    for (int round = 0; round < 7; ++round) {
        WordListModel model;
        model.setContent(&content);
        model.setDictionary(dictionary.get());
        QTableView view;
        view.setModel(&model);
        view.resize(1000, 600);
        view.show();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        const ImportedLines lines = linesFromText(pasted);
        model.addLines(0, lines.lines, QStringLiteral("paste"));
        QApplication::processEvents();  // laid out and painted
        paste.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (model.rowCount() < 900)
            std::fprintf(stderr, "only %d lines were made\n", model.rowCount());
    }
    std::printf("pasting 1000 words until lines and problems show, median of %zu: %7.1f ms  (goal <= 200)\n",
                paste.size(), bench::median(paste));

    const QString tenThousand = realWords(10000), unknown = unknownWords(300);
    for (const auto &[name, text, goal, voices] :
         {std::tuple{"pasting 10,000 words", tenThousand, 1000, false},
          std::tuple{"pasting 300 words the dictionary does not know", unknown, 2000, false},
          std::tuple{"importing 10,000 words with the Voices tab in sight", tenThousand, 1000, true}}) {
        std::vector<double> answers, shown, edit;
        for (int round = 0; round < 3; ++round) {
            const PasteTimes times = pasteIntoWindow(content, dictionary, text, voices);
            answers.push_back(times.answers);
            shown.push_back(times.shown);
            edit.push_back(times.edit);
        }
        std::printf("%s, median of 3: the window answers again after %7.1f ms  (goal <= %d), "
                    "shown after %7.1f ms; then one line changed in %6.1f ms\n",
                    name, bench::median(answers), goal, bench::median(shown), bench::median(edit));
    }

    constexpr int Rounds = 11;
    // The bare window opens at the editor's own size (EditorWindow's resize).
    const bench::StartTimes times = bench::compareWithBare(QStringLiteral(EDITOR_EXE), QStringLiteral(BARE_EXE),
                                                           QStringLiteral("TILDORA_QUIT_AFTER_FIRST_FRAME"), Rounds,
                                                           {QStringLiteral("1000x640")});
    if (times.program < 0) {
        std::fprintf(stderr, "a window did not report its first frame\n");
        return 1;
    }
    std::printf("first window, median of %d runs: editor %7.1f ms, bare Qt window of its size %7.1f ms, ratio %.2f  (goal <= 1.5)\n",
                Rounds, times.program, times.bare, times.program / times.bare);
    return 0;
}
