// The teacher's window: pasting 1,000 words until every line and its problems
// are in the table (goal: 200 ms), and the first window against a bare Qt
// window, both started the same way, alternately (goal: ratio <= 1.5).
#include "authoring/dictionary.h"
#include "authoring/textimport.h"
#include "authoring/wordlistmodel.h"
#include "content/contentlocator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
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

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double firstFrame(const QString &program)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TILDORA_QUIT_AFTER_FIRST_FRAME"), QStringLiteral("1"));
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("WAYLAND_DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    double painted = -1;
    while (painted < 0 && process.waitForReadyRead(30000))
        if (process.canReadLine())
            painted = double(timer.nsecsElapsed()) / 1e6;
    process.waitForFinished(30000);
    return painted;
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
                paste.size(), median(paste));

    const QString editor = QStringLiteral(EDITOR_EXE), bare = QStringLiteral(BARE_EXE);
    firstFrame(editor);  // warm the file cache for both
    firstFrame(bare);
    std::vector<double> e, b;
    for (int i = 0; i < 11; ++i) {
        e.push_back(firstFrame(editor));
        b.push_back(firstFrame(bare));
        if (e.back() < 0 || b.back() < 0) {
            std::fprintf(stderr, "a window did not report its first frame\n");
            return 1;
        }
    }
    std::printf("first window, median of %zu runs: editor %7.1f ms, bare Qt window %7.1f ms, ratio %.2f  (goal <= 1.5)\n",
                e.size(), median(e), median(b), median(e) / median(b));
    return 0;
}
