// The window's hot paths on the bundled letter pictures, headless:
//   next word on a 20-letter word   goal <= 4 ms
//   a letter press, flood fill and all   goal <= 1 ms
//   a tick of the bounce   goal <= 0.1 ms
#include "platform/soundplayer.h"
#include "window/form1.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

struct Silent : tildora::SoundPlayer {
    void play(const QString &) override {}
};

struct Timing {
    double mean = 0;
    double best = 1e9;
};

// Times `work` `rounds` times, running `prepare` (untimed) before each.
Timing measure(int rounds, const std::function<void()> &prepare, const std::function<void()> &work)
{
    Timing t;
    for (int i = 0; i < rounds; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        t.best = std::min(t.best, ms);
        t.mean += ms / rounds;
    }
    return t;
}

void report(const char *what, const Timing &t, const char *goal)
{
    std::printf("  %-34s mean %7.4f ms   best %7.4f ms   (goal %s)\n", what, t.mean, t.best, goal);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString content = QStringLiteral(TILDORA_SOURCE_DIR "/content/");
    // The bundled pictures and sounds, with an exercise folder of our own.
    for (const tildora::ContentFolder f : tildora::ContentLocator::AllFolders)
        if (f != tildora::ContentFolder::Exercises)
            QFile::link(content + tildora::ContentLocator::folderName(f), tildora::ContentLocator(dir.path()).folder(f));
    const QString exercises = tildora::ContentLocator(dir.path()).folder(tildora::ContentFolder::Exercises);
    QDir().mkdir(exercises);
    QFile lines(exercises + QStringLiteral("/largas.txt"));
    if (!lines.open(QIODevice::WriteOnly))
        return 1;
    lines.write("electroencefalograma,18,gra,NO,\r\notorrinolaringologos,15,go,ó,\r\n");
    lines.close();

    Silent silent;
    tildora::Form1 form(dir.path(), &silent);
    form.Form_Load();
    form.show();
    app.processEvents();
    const auto settle = [&] { app.processEvents(); };  // let deleted letters go, as the event loop does

    std::printf("Tildora window, bundled letter pictures\n");
    report("next word (20 letters)", measure(400, settle, [&] { form.Command1_Click(); }), "<= 4 ms");
    // A wrong press on the first letter: judged, recorded, counted, filled.
    report("letter press, wrong, with fill", measure(400, [&] { form.Command1_Click(); settle(); },
                                                     [&] { form.Picture1_Mousedown(0, Qt::LeftButton, {}, 2, 2); }),
           "<= 1 ms");
    // A right press on the stressed vowel, in written-accent mode so that the
    // accented picture is loaded too.
    form.Command2_Click(2);
    report("letter press, right, with fill", measure(400, [&] { form.Command1_Click(); settle(); },
                                                     [&] {
                                                         const int vowel = form.item().StressPosition - 1;
                                                         form.Picture1_Mousedown(vowel, Qt::LeftButton, {}, 2, 2);
                                                     }),
           "<= 1 ms");
    report("bounce tick", measure(20000, [] {}, [&] { form.Timer1_Timer(); }), "<= 0.1 ms");
    return 0;
}
