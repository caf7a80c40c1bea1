#include "content/exerciselibrary.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace tildora {

QStringList listExerciseFiles(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    // QDir leaves out hidden files (names starting with a dot) unless asked.
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::Unsorted);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;  // tie-break keeps the order stable
    });
    return names;
}

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

} // namespace

QString decodeExerciseText(const QByteArray &bytes)
{
    // The default decoder drops a leading BOM.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

QStringList ExerciseLines::toStringList() const
{
    QStringList list;
    list.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        list.append(at(i).toString());
    return list;
}

ExerciseLines ExerciseLines::fromStringList(const QStringList &list)
{
    ExerciseLines lines;
    lines.m_spans.reserve(std::size_t(list.size()));
    for (const QString &line : list) {
        lines.m_spans.push_back({lines.m_text.size(), line.size()});
        lines.m_text += line;
    }
    return lines;
}

ExerciseLines splitExerciseLines(QString text)
{
    ExerciseLines lines;
    lines.m_text = std::move(text);
    const QChar *const chars = lines.m_text.constData();
    const qsizetype size = lines.m_text.size();
    // Reserving once saves regrowing the list through a long file.
    lines.m_spans.reserve(std::size_t(std::count_if(chars, chars + size, [](QChar c) {
        return c == u'\n' || c == u'\r';
    })) + 1);
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chars[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.m_spans.push_back({start, i - start});
        if (c == u'\r' && i + 1 < size && chars[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.m_spans.push_back({start, size - start});
    return lines;
}

ExerciseLines loadExerciseLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // read() returns what it got before an error, so a file that fails part
    // way still gives the lines read so far.
    const QByteArray bytes = file.read(std::min(file.size(), MaxExerciseFileBytes));
    return splitExerciseLines(decodeExerciseText(bytes));
}

} // namespace tildora
