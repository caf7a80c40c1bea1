#include "content/textdecode.h"

#include <QStringDecoder>

namespace tildora {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unused
// codes map to the C1 controls, as Windows itself decodes them.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = (b >= 0x80 && b <= 0x9F) ? QChar(Cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

constexpr char16_t Replacement = 0xFFFD;

bool isHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// bytes[from..] as UTF-16 in the given byte order. Surrogate pairs pass
// through whole; a lone half and an odd last byte become U+FFFD.
QString decodeUtf16(const QByteArray &bytes, qsizetype from, bool bigEndian)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype units = (bytes.size() - from) / 2;
    const bool oddByte = (bytes.size() - from) % 2 != 0;
    auto unitAt = [&](qsizetype i) -> char16_t {
        const unsigned char first = data[from + 2 * i], second = data[from + 2 * i + 1];
        return bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    };
    QString text(units + (oddByte ? 1 : 0), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t unit = unitAt(i);
        if (isHighSurrogate(unit) && i + 1 < units && isLowSurrogate(unitAt(i + 1))) {
            *out++ = QChar(unit);
            *out++ = QChar(unitAt(++i));
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            *out++ = QChar(Replacement);
        } else {
            *out++ = QChar(unit);
        }
    }
    if (oddByte)
        *out++ = QChar(Replacement);
    text.truncate(out - text.constData());
    return text;
}

} // namespace

QString decodeExerciseText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return decodeUtf16(bytes, 2, false);
    if (bytes.startsWith("\xFE\xFF"))
        return decodeUtf16(bytes, 2, true);
    // The default decoder drops a leading BOM.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

} // namespace tildora
