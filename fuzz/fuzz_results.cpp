// The results reader on any bytes: every row it accepts is written back and
// read again unchanged.
#include "results/resultrow.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tildora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const ResultRow &row : parseResults(bytes)) {
        const QByteArray written = resultsHeader() + formatResultRow(row);
        const QList<ResultRow> again = parseResults(written);
        if (again.size() != 1 || !(again.first() == row)) {
            std::fprintf(stderr, "row does not survive writing and reading: %s\n", written.constData());
            std::abort();
        }
    }
    return 0;
}
