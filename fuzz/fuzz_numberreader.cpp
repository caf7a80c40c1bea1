// The number reader on any text, with the limits the window asks for.
#include "content/numberreader.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tildora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Both as UTF-16 units, so every character is reachable, and as UTF-8.
    const QString units = QString::fromUtf16(reinterpret_cast<const char16_t *>(data), qsizetype(size / 2));
    const QString utf8 = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &text : {units, utf8}) {
        const double value = readNumber(text);
        const double rounded = roundHalfEven(value);
        if (std::isfinite(value) && (rounded != std::nearbyint(rounded) || std::fabs(rounded - value) > 0.5))
            std::abort();
        if (const auto whole = readWholeNumber(text, 0, 255); whole && (*whole < 0 || *whole > 255))
            std::abort();
        if (const auto whole = readWholeNumber(text, -2147483647 - 1, 2147483647); whole && double(*whole) != rounded)
            std::abort();
    }
    return 0;
}
