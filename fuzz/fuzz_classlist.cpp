// The class list on any bytes: the names kept are few, short, without
// control characters or repeats, and saving them one a line reads back the
// same names.
#include "results/classlist.h"

#include <QSet>

#include <algorithm>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tildora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList names = parseClassList(bytes);
    QSet<QString> seen;
    for (const QString &name : names) {
        const bool control = std::any_of(name.begin(), name.end(), [](QChar c) {
            return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
        });
        if (name.isEmpty() || name.size() > MostNameLetters || name != name.simplified() || control
            || seen.contains(name.toCaseFolded())) {
            std::fprintf(stderr, "a name kept as it should not be: %s\n", qPrintable(name));
            std::abort();
        }
        seen.insert(name.toCaseFolded());
    }
    if (names.size() > MostNames || parseClassList(names.join(QLatin1Char('\n')).toUtf8()) != names) {
        std::fprintf(stderr, "the names do not read back the same\n");
        std::abort();
    }
    return 0;
}
