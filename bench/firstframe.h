#pragma once

// Start-up timing shared by the benchmarks: a program is started and timed
// until it prints its first line, which it does once its first frame is
// painted, and then quits.
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds until the first line, or -1 when the program failed.
inline double untilFirstLine(const QString &program, const QString &quitVariable, const QStringList &arguments = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(quitVariable, QStringLiteral("1"));
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("WAYLAND_DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    double painted = -1;
    while (painted < 0 && process.waitForReadyRead(30000))
        if (process.canReadLine())
            painted = double(timer.nsecsElapsed()) / 1e6;
    process.waitForFinished(30000);
    if (painted < 0 || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), process.readAll().constData());
        return -1;
    }
    return painted;
}

struct StartTimes {
    double program = -1;  // medians, ms
    double bare = -1;
};

// The program and the bare window started alternately, after a warm-up run
// of each, so that the file cache and the machine's load treat them alike.
// Both medians are -1 when a run failed.
inline StartTimes compareWithBare(const QString &program, const QString &bare, const QString &quitVariable,
                                  int rounds, const QStringList &bareArguments = {})
{
    untilFirstLine(program, quitVariable);
    untilFirstLine(bare, quitVariable, bareArguments);
    std::vector<double> p, b;
    for (int i = 0; i < rounds; ++i) {
        p.push_back(untilFirstLine(program, quitVariable));
        b.push_back(untilFirstLine(bare, quitVariable, bareArguments));
        if (p.back() < 0 || b.back() < 0)
            return {};
    }
    return {median(p), median(b)};
}

} // namespace bench
