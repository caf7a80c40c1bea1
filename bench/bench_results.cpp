// Keeping answers, timed:
//   one row appended to an open day file          goal <= 0.1 ms
//   the first row of a run: folder made, a day file of 2,000 rows read
//   and mended, header or not                      goal <= 5 ms (once a run)
#include "results/resultslog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

tildora::ResultRow answer(int i)
{
    return {QDateTime(QDate(2026, 12, 6), QTime(10, 0).addSecs(i % 3600)), QStringLiteral("Núria"),
            QStringLiteral("03-agudas, llanas.txt"), QStringLiteral("murciélago"), QStringLiteral("tilde"),
            5, QStringLiteral("e"), i % 3 ? QStringLiteral("bien") : QStringLiteral("mal"), i, i / 3};
}

struct Timing {
    double mean = 0;
    double best = 1e9;
    double worst = 0;
};

void add(Timing &t, double ms, int rounds)
{
    t.mean += ms / rounds;
    t.best = std::min(t.best, ms);
    t.worst = std::max(t.worst, ms);
}

void report(const char *what, const Timing &t, const char *goal)
{
    std::printf("  %-40s mean %7.4f ms   best %7.4f ms   worst %7.4f ms   (goal %s)\n", what, t.mean, t.best,
                t.worst, goal);
}

} // namespace

int main()
{
    QTemporaryDir dir;
    std::printf("Keeping answers\n");

    constexpr int Rows = 2000;
    Timing append;
    {
        tildora::ResultsLog log(dir.filePath("resultados"));
        log.append(answer(0));
        for (int i = 1; i <= Rows; ++i) {
            QElapsedTimer timer;
            timer.start();
            if (!log.append(answer(i)))
                return 1;
            add(append, double(timer.nsecsElapsed()) / 1e6, Rows);
        }
    }
    report("row appended to an open day file", append, "<= 0.1 ms");

    // Leave a cut row at the end, as a killed run would, so every first
    // append reads the whole file and mends it.
    constexpr int Runs = 50;
    Timing first;
    const QString dayFile = dir.filePath("resultados/2026-12-06.csv");
    for (int run = 0; run < Runs; ++run) {
        {
            QFile f(dayFile);
            if (!f.open(QIODevice::Append))
                return 1;
            f.write("2026-12-06T10:00:00,Ana,01.txt,casa,vocal,2,a,bi");
        }
        tildora::ResultsLog log(dir.filePath("resultados"));
        QElapsedTimer timer;
        timer.start();
        if (!log.append(answer(run)))
            return 1;
        add(first, double(timer.nsecsElapsed()) / 1e6, Runs);
    }
    report("first row of a run, 2,000-row file mended", first, "<= 5 ms");
    return 0;
}
