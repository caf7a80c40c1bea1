#include "results/classlist.h"

#include "content/regularfile.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

namespace tildora {
namespace {

// A class list is a few hundred bytes; anything far larger is not one.
constexpr qint64 MostBytes = 64 * 1024;

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return utf16(bytes.mid(2));
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // Windows-1252, as far as Latin-1 reads it: the letters of Spanish names.
    return QString::fromLatin1(bytes);
}

} // namespace

QString classListPath(const QString &userFolder)
{
    return userFolder + QStringLiteral("/alumnos.txt");
}

QStringList parseClassList(const QByteArray &bytes)
{
    QStringList names;
    QSet<QString> seen;
    // A byte order mark goes with the other format characters below.
    const QString text = decode(bytes);
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (QString line : text.split(lineEnd)) {
        line.removeIf([](QChar c) { return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format; });
        line = line.simplified().left(MostNameLetters).trimmed();
        // "Ana" and "ana" are one child: the first spelling is kept.
        if (line.isEmpty() || seen.contains(line.toCaseFolded()))
            continue;
        seen.insert(line.toCaseFolded());
        names << line;
        if (names.size() == MostNames)
            break;
    }
    return names;
}

std::optional<QStringList> readClassList(const QString &path)
{
    const std::optional<QByteArray> bytes = readRegularFile(path, MostBytes);
    if (!bytes)
        return std::nullopt;
    return parseClassList(*bytes);
}

} // namespace tildora
