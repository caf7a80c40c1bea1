// tildora-author make on any word list: it must not crash, and every line it
// writes must be one the window can answer. The editor's test for files that
// are not text reads the same bytes first.
#include "authoring/filekind.h"
#include "authoring/linecheck.h"
#include "authoring/maker.h"
#include "content/exerciselibrary.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tildora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)notTextKind(bytes);
    QStringList problems;
    const QByteArray made = makeExerciseLines(decodeExerciseText(bytes), &problems);
    const ExerciseLines lines = splitExerciseLines(QString::fromUtf8(made));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (const LineProblem &problem : checkExerciseLine(lines.at(i))) {
            if (problem.severity == LineProblem::Error) {
                std::fprintf(stderr, "made line «%s»: %s\n", qPrintable(lines.at(i).toString()),
                             qPrintable(problem.message));
                std::abort();
            }
        }
    }
    return 0;
}
