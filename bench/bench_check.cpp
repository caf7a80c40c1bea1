// tildora-author check on the long lists a teacher pastes, end to end as she
// runs it: 10,000 lines of words the dictionary knows (goal: at most 1 s) and
// 300 words it does not know (goal: at most 2 s), half with their accents
// forgotten and half with two letters swapped. The words come from the
// system's Spanish dictionary (hunspell-es). Beside them, the editor's check
// of the 10,000 lines when one changes, as at a keystroke (goal: 50 ms).
#include "authoring/dictionary.h"
#include "authoring/livecheck.h"
#include "authoring/maker.h"
#include "authoring/stress.h"
#include "content/contentlocator.h"
#include "content/exercisewriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <ctime>
#include <cstdio>

namespace {

struct Time {
    double wall = 1e300;  // seconds
    double cpu = 1e300;   // the program's own, which a busy machine does not stretch
};

// Best of three runs; negative when the program could not run.
Time checkTime(const QString &file)
{
    Time best;
    for (int round = 0; round < 3; ++round) {
        rusage before{}, after{};
        getrusage(RUSAGE_CHILDREN, &before);
        QProcess author;
        QElapsedTimer timer;
        timer.start();
        author.start(QStringLiteral(TILDORA_AUTHOR), {QStringLiteral("check"), file});
        if (!author.waitForFinished(600000))
            return {-1, -1};
        best.wall = std::min(best.wall, timer.nsecsElapsed() / 1e9);
        getrusage(RUSAGE_CHILDREN, &after);
        const auto seconds = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
        best.cpu = std::min(best.cpu, seconds(after.ru_utime) - seconds(before.ru_utime) + seconds(after.ru_stime)
                                          - seconds(before.ru_stime));
        author.readAllStandardOutput();
    }
    return best;
}

} // namespace

int main()
{
    QFile dic(QStringLiteral("/usr/share/hunspell/es_ES.dic"));
    if (!dic.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_check: hunspell-es is needed\n");
        return 1;
    }
    // Plain lower-case words: a teacher's words, not names or abbreviations.
    static const QRegularExpression plain(QStringLiteral("^[a-zñáéíóúü]{3,}$"));
    const tildora::SpanishDictionary dictionary;
    QStringList known, forgotten, swapped;
    for (const QString &entry : QString::fromUtf8(dic.readAll()).split(QLatin1Char('\n'))) {
        const QString word = entry.section(QLatin1Char('/'), 0, 0).trimmed();
        if (!plain.match(word).hasMatch())
            continue;
        if (known.size() < 10000)
            known << word;
        const QString without = tildora::withoutWrittenAccent(word);
        if (forgotten.size() < 150 && without != word && !dictionary.knows(without))
            forgotten << without;
        QString typo = without;
        std::swap(typo[1], typo[2]);
        if (swapped.size() < 150 && word.size() >= 5 && typo != without && !dictionary.knows(typo))
            swapped << typo;
    }
    QTemporaryDir dir;
    const QString knownFile = dir.filePath(QStringLiteral("conocidas.txt"));
    const QString unknownFile = dir.filePath(QStringLiteral("desconocidas.txt"));
    const QStringList knownLines = tildora::makeLines(known.join(QLatin1Char('\n')), nullptr);
    const QStringList unknownLines = tildora::makeLines((forgotten + swapped).join(QLatin1Char('\n')), nullptr);
    if (knownLines.size() < 9000 || unknownLines.size() < 280 || !tildora::saveExerciseFile(knownFile, knownLines, nullptr)
        || !tildora::saveExerciseFile(unknownFile, unknownLines, nullptr))
        return 1;
    // The editor's check of the same list at a keystroke: one line changed.
    const tildora::ContentLocator content(QStringLiteral(TILDORA_SOURCE_DIR "/content"));
    tildora::LiveCheck live;
    live.setContent(&content);
    live.setDictionary(&dictionary);
    QStringList edited = knownLines;
    live.check(edited);
    constexpr int Keystrokes = 20;
    QElapsedTimer typing;
    typing.start();
    const std::clock_t typingCpu = std::clock();
    for (int i = 0; i < Keystrokes; ++i) {
        edited[edited.size() / 2] = knownLines.at(i);
        live.check(edited);
    }
    const double keystroke = typing.nsecsElapsed() / 1e6 / Keystrokes;
    const double keystrokeCpu = double(std::clock() - typingCpu) * 1e3 / CLOCKS_PER_SEC / Keystrokes;

    const Time knownTime = checkTime(knownFile);
    const Time unknownTime = checkTime(unknownFile);
    if (knownTime.wall < 0 || unknownTime.wall < 0)
        return 1;
    std::printf("tildora-author check, best of 3 runs: wall time (its processor time)\n");
    std::printf("  %5lld lines of known words    : %5.2f s (%5.2f s)  goal <= 1 s\n", qlonglong(knownLines.size()),
                knownTime.wall, knownTime.cpu);
    std::printf("  %5lld words not in dictionary : %5.2f s (%5.2f s)  goal <= 2 s\n", qlonglong(unknownLines.size()),
                unknownTime.wall, unknownTime.cpu);
    std::printf("the editor's check of the %lld lines at a keystroke: %.1f ms (%.1f ms)  goal <= 50 ms\n",
                qlonglong(knownLines.size()), keystroke, keystrokeCpu);
    return 0;
}
