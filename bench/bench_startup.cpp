// Time from process start until Tildora has painted its first word, beside a
// bare Qt program that shows one empty window; both started the same way,
// alternately, in the same run. Goal: ratio <= 1.5.
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double runOnce(const QString &program)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TILDORA_QUIT_AFTER_FIRST_WORD"), QStringLiteral("1"));
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("WAYLAND_DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    // The program prints one line once its first frame is painted.
    double painted = -1;
    while (process.waitForReadyRead(30000)) {
        if (process.canReadLine()) {
            painted = double(timer.nsecsElapsed()) / 1e6;
            break;
        }
    }
    process.waitForFinished(30000);
    if (painted < 0 || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), process.readAll().constData());
        return -1;
    }
    return painted;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main()
{
    const QString tildora = QStringLiteral(TILDORA_EXE);
    const QString bare = QStringLiteral(BARE_EXE);
    constexpr int Rounds = 15;
    std::vector<double> t, b;
    runOnce(tildora);  // warm the file cache for both
    runOnce(bare);
    for (int i = 0; i < Rounds; ++i) {
        t.push_back(runOnce(tildora));
        b.push_back(runOnce(bare));
        if (t.back() < 0 || b.back() < 0)
            return 1;
    }
    const double tm = median(t), bm = median(b);
    std::printf("start-up until the first word is painted, median of %d runs\n", Rounds);
    std::printf("  tildora          : %7.1f ms\n", tm);
    std::printf("  bare Qt window   : %7.1f ms\n", bm);
    std::printf("  ratio            : %7.2f  (goal <= 1.5)\n", tm / bm);
    return 0;
}
