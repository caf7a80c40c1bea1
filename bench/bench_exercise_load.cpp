// Loads a generated 100,000-line exercise file and parses every line, then
// reads and splits the same bytes with a plain loop, and prints both times
// and their ratio (goal: ratio <= 3).
#include "content/exerciseline.h"
#include "content/exerciselibrary.h"

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

constexpr int Lines = 100'000;
constexpr int Rounds = 15;

QByteArray makeFile()
{
    const char *words[] = {"casa,2,ca,NO,", "arbol,1,ar,\xC3\xA1,", "ping\xC3\xBCino,6,g\xC3\xBCi,NO,",
                           "cancion,5,cion,\xC3\xB3,", "murcielago,5,cie,\xC3\xA9,", "ni\xC3\xB1o,2,ni,NO,"};
    QByteArray bytes;
    for (int i = 0; i < Lines; ++i) {
        bytes += words[i % std::size(words)];
        bytes += "\r\n";
    }
    return bytes;
}

template <typename F>
double milliseconds(F &&work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.txt");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(makeFile());
    }

    // Keep freed memory in the process, so that both sides measure their own
    // work rather than the kernel handing out fresh pages round after round.
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
#endif

    std::size_t sink = 0;
    const auto tildoraRound = [&] {
        const tildora::ExerciseLines lines = tildora::loadExerciseLines(path);
        tildora::CurrentItem state;
        for (state.ItemIndex = 0; state.ItemIndex < lines.size(); ++state.ItemIndex) {
            tildora::parseCurrentItem(state, lines);
            sink += state.StressPosition;
        }
    };

    const std::string stdPath = path.toStdString();
    const auto plainRound = [&] {
        std::ifstream in(stdPath, std::ios::binary | std::ios::ate);
        std::string bytes(std::size_t(in.tellg()), '\0');
        in.seekg(0);
        in.read(bytes.data(), std::streamsize(bytes.size()));
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                const std::size_t end = (i > start && bytes[i - 1] == '\r') ? i - 1 : i;
                lines.emplace_back(bytes, start, end - start);
                start = i + 1;
            }
        }
        sink += lines.size();
    };

    // Interleaved rounds, best of each, so both see the same machine state.
    double tildora = 1e300;
    double plain = 1e300;
    for (int r = 0; r < Rounds; ++r) {
        tildora = std::min(tildora, milliseconds(tildoraRound));
        plain = std::min(plain, milliseconds(plainRound));
    }

    std::printf("exercise file of %d lines, best of %d rounds\n", Lines, Rounds);
    std::printf("  load + parse every line : %8.2f ms\n", tildora);
    std::printf("  plain read + line split : %8.2f ms\n", plain);
    std::printf("  ratio                   : %8.2f  (goal <= 3)\n", tildora / plain);
    return sink == 0 ? 1 : 0;
}
