#include "content/exerciselibrary.h"

#include "content/regularfile.h"

#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace tildora {

QStringList listExerciseFiles(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    // QDir leaves out hidden files (names starting with a dot) unless asked,
    // and FIFOs and devices, but not a link to one: such a name is never
    // offered either. Only links are looked at again, so a big folder costs
    // no more than its listing.
    QStringList names;
    for (QDirIterator it(folder, QDir::Files); it.hasNext();) {
        const QFileInfo entry = it.nextFileInfo();
        if (!entry.isSymLink() || isRegularFile(entry.filePath()))
            names << entry.fileName();
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;  // tie-break keeps the order stable
    });
    return names;
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

ExerciseLines loadExerciseLines(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = readRegularFile(path, MaxExerciseFileBytes, error);
    return bytes ? splitExerciseLines(decodeExerciseText(*bytes)) : ExerciseLines();
}

} // namespace tildora
