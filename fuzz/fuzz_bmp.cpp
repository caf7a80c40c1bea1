// The BMP decoder on any bytes.
#include "platform/imagedecode.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QImage image = tildora::decodeBmp(bytes);
    if (!image.isNull() && (image.width() > 8192 || image.height() > 8192))
        std::abort();
    return 0;
}
