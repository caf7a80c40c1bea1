// Time from process start until Tildora has painted its first word, beside a
// bare Qt program that shows one empty window; both started the same way,
// alternately, in the same run. Goal: ratio <= 1.5.
#include "firstframe.h"

#include <cstdio>

int main()
{
    constexpr int Rounds = 15;
    const bench::StartTimes times = bench::compareWithBare(QStringLiteral(TILDORA_EXE), QStringLiteral(BARE_EXE),
                                                           QStringLiteral("TILDORA_QUIT_AFTER_FIRST_WORD"), Rounds);
    if (times.program < 0)
        return 1;
    std::printf("start-up until the first word is painted, median of %d runs\n", Rounds);
    std::printf("  tildora          : %7.1f ms\n", times.program);
    std::printf("  bare Qt window   : %7.1f ms\n", times.bare);
    std::printf("  ratio            : %7.2f  (goal <= 1.5)\n", times.program / times.bare);
    return 0;
}
