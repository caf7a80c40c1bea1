// tildora-author make over 100,000 words: words per second on one core
// (goal: at least one million).
#include "authoring/maker.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>

int main()
{
    QFile source(QStringLiteral(TILDORA_SOURCE_DIR "/tools/contentgen/palabras.txt"));
    if (!source.open(QIODevice::ReadOnly))
        return 1;
    QStringList words;
    for (const QString &line : QString::fromUtf8(source.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char('[')))
            continue;
        for (QString w : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            words << w.remove(QLatin1Char('-'));
    }
    constexpr int Count = 100'000;
    QString input;
    for (int i = 0; i < Count; ++i)
        input += words[i % words.size()] + QLatin1Char('\n');

    double best = 1e300;
    qsizetype bytes = 0;
    for (int round = 0; round < 7; ++round) {
        const auto start = std::chrono::steady_clock::now();
        QStringList problems;
        bytes += tildora::makeExerciseLines(input, &problems).size();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::printf("tildora-author make, %d words (best of 7): %.1f ms, %.2f million words per second (goal >= 1)\n",
                Count, best * 1e3, Count / best / 1e6);
    return bytes > 0 ? 0 : 1;
}
