// Keeping answers, timed:
//   one row appended to an open day file          goal <= 0.1 ms
//   a row forced onto the disk, waited for (the press never waits for it;
//   this is how stale the disk copy can be)        reported, no goal
//   the first row of a run: folder made, a day file of 2,000 rows read
//   and mended, header or not                      goal <= 5 ms (once a run)
//   a letter press in the window, fill, counters and row included
//                                                  goal <= 1 ms
#include "platform/soundplayer.h"
#include "results/resultslog.h"
#include "window/form1.h"

#include <QApplication>
#include <QDir>
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

struct Silent : tildora::SoundPlayer {
    void play(const QString &) override {}
};

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

// Wrong presses on the first letter of a 20-letter word, each a new word.
Timing windowPresses(const QString &folder, const QString &resultsFolder)
{
    const QString content = QStringLiteral(TILDORA_SOURCE_DIR "/content/");
    for (const char *f : {"letrasgifs", "letrasacento", "sonidos", "sonidospalabras", "gifs"})
        QFile::link(content + f, folder + "/" + f);
    QDir(folder).mkdir("ejercicios");
    QFile lines(folder + "/ejercicios/largas.txt");
    if (lines.open(QIODevice::WriteOnly))
        lines.write("electroencefalograma,18,gra,NO,\r\notorrinolaringologos,15,go,ó,\r\n");
    lines.close();

    Silent silent;
    tildora::Form1 form(folder, &silent);
    form.keepAnswers(resultsFolder, QStringLiteral("Núria"));
    form.Form_Load();
    form.show();
    QCoreApplication::processEvents();
    constexpr int Rounds = 400;
    Timing t;
    for (int i = 0; i < Rounds; ++i) {
        form.Command1_Click();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        form.Picture1_Mousedown(0, Qt::LeftButton, {}, 2, 2);
        add(t, double(timer.nsecsElapsed()) / 1e6, Rounds);
    }
    return t;
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
            log.append(answer(i));
            add(append, double(timer.nsecsElapsed()) / 1e6, Rows);
        }
    }
    report("row appended to an open day file", append, "<= 0.1 ms");

    Timing disk;
    {
        tildora::ResultsLog log(dir.filePath("resultados-disco"));
        constexpr int Syncs = 50;
        for (int i = 0; i < Syncs; ++i) {
            QElapsedTimer timer;
            timer.start();
            log.append(answer(i));
            if (!log.waitWritten())
                return 1;
            add(disk, double(timer.nsecsElapsed()) / 1e6, Syncs);
        }
    }
    report("row on the disk after its append", disk, "(off the press path)");

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
        log.append(answer(run));
        if (!log.waitWritten())
            return 1;
        add(first, double(timer.nsecsElapsed()) / 1e6, Runs);
    }
    report("first row of a run, 2,000-row file mended", first, "<= 5 ms");

    QTemporaryDir window;
    const QString kept = window.filePath("resultados");
    report("letter press with its row", windowPresses(window.path(), kept), "<= 1 ms");
    // The presses must have been kept (the log ended with its window), or the
    // timing above left the row out.
    const qsizetype rows = tildora::readResultsFolder(kept).size();
    std::printf("  rows kept by the window: %lld\n", static_cast<long long>(rows));
    return rows == 400 ? 0 : 1;
}
