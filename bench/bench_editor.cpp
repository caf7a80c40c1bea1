// The teacher's window: pasting 1,000 words until every line and its problems
// are in the table (goal: 200 ms), and the first window against a bare Qt
// window, both started the same way, alternately (goal: ratio <= 1.5).
#include "authoring/dictionary.h"
#include "authoring/textimport.h"
#include "authoring/wordlistmodel.h"
#include "content/contentlocator.h"
#include "firstframe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tildora;

namespace {

// A thousand real words: the first plain entries of the Spanish dictionary.
QString thousandWords()
{
    QFile dic(QStringLiteral("/usr/share/hunspell/es_ES.dic"));
    QStringList words;
    if (dic.open(QIODevice::ReadOnly)) {
        dic.readLine();  // the count
        while (words.size() < 1000 && !dic.atEnd()) {
            const QString word = QString::fromUtf8(dic.readLine()).section(QLatin1Char('/'), 0, 0).trimmed();
            if (word.size() > 2 && word.at(0).isLower())
                words << word;
        }
    }
    for (int i = int(words.size()); i < 1000; ++i)  // no dictionary: made-up words still cost a check each
        words << QStringLiteral("palabra%1").arg(QChar(u'a' + i % 26)).repeated(1 + i % 3);
    return words.join(QLatin1Char('\n'));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const ContentLocator content(QStringLiteral(TILDORA_SOURCE_DIR "/content"));
    const SpanishDictionary dictionary;
    const QString pasted = thousandWords();

    std::vector<double> paste;
    for (int round = 0; round < 7; ++round) {
        WordListModel model;
        model.setContent(&content);
        model.setDictionary(&dictionary);
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
