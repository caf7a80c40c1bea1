// The results reader on any bytes: every row it accepts is written back and
// read again unchanged, and a row appended after the bytes, once their end is
// mended, is read whole.
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
    const ResultRow next{QDateTime(QDate(2026, 12, 6), QTime(11, 24, 5)), QStringLiteral("=Ana, \"la\""),
                         QStringLiteral("01.txt"), QStringLiteral("arbol"), results::Accent, 1, QStringLiteral("á"),
                         results::Right, 1, 0, QStringLiteral("árbol"), QStringLiteral("aula-3")};
    const QList<ResultRow> after = parseResults(bytes + closeHalfRow(bytes) + formatResultRow(next));
    if (after.isEmpty() || !(after.last() == next)) {
        std::fprintf(stderr, "a row appended after mending is not read whole\n");
        std::abort();
    }
    return 0;
}
