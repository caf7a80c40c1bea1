#include "results/resultrow.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstring>

namespace tildora {
namespace {

constexpr int FieldCount = 10;
// A results file is a day of answers; anything far larger is not ours to load.
constexpr qint64 MaxFileBytes = 256 * 1024 * 1024;

// Whether a spreadsheet would run the text as a formula, were it shown as
// written: it starts with = + - @ or a tab or carriage return, maybe after
// apostrophes (which are then doubled, so the one put in front is known).
bool looksLikeFormula(const QByteArray &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == '\'')
        ++i;
    return i < text.size() && std::strchr("=+-@\t\r", text[i]) && text[i] != '\0';
}

QString fromField(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes.startsWith('\'') && looksLikeFormula(bytes) ? bytes.mid(1) : bytes);
}

QByteArray field(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    // A leading apostrophe makes a spreadsheet show the rest as text.
    if (looksLikeFormula(bytes))
        bytes.prepend('\'');
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r')) {
        bytes.replace("\"", "\"\"");
        bytes.prepend('"');
        bytes.append('"');
    }
    return bytes;
}

// One record of RFC 4180 text: its fields, whether it ended in a line break,
// and whether its quoting was sound.
struct Record {
    QList<QByteArray> fields;
    bool ended = false;
    bool cutInQuotes = false;
    bool sound = true;
};

class Scanner
{
public:
    // Without fields only the record ends and quoting are followed, which is
    // all that mending a file needs, and much quicker.
    explicit Scanner(const QByteArray &bytes, bool keepFields = true, qsizetype from = 0)
        : m_bytes(bytes), m_keepFields(keepFields), m_at(from)
    {
        if (m_at == 0 && m_bytes.startsWith("\xEF\xBB\xBF"))
            m_at = 3;
    }
    bool atEnd() const { return m_at >= m_bytes.size(); }
    qsizetype at() const { return m_at; }

    Record next()
    {
        Record record;
        QByteArray current;
        bool fieldStart = true;
        for (;;) {
            if (atEnd()) {
                record.fields << current;
                return record;
            }
            const char c = m_bytes[m_at++];
            const bool startsField = fieldStart;
            fieldStart = false;
            if (c == '"' && startsField) {
                if (!quoted(current)) {
                    record.fields << current;
                    record.cutInQuotes = true;
                    return record;
                }
                // Text after a closing quote is not RFC 4180; keep reading the
                // field so the record ends where its writer meant it to.
                if (!atEnd() && m_bytes[m_at] != ',' && m_bytes[m_at] != '\n' && m_bytes[m_at] != '\r')
                    record.sound = false;
            } else if (c == ',') {
                record.fields << current;
                current.clear();
                fieldStart = true;
            } else if (c == '\n' || c == '\r') {
                if (c == '\r' && !atEnd() && m_bytes[m_at] == '\n')
                    ++m_at;
                record.fields << current;
                record.ended = true;
                return record;
            } else {
                if (c == '"')
                    record.sound = false;
                if (m_keepFields)
                    current += c;
            }
        }
    }

private:
    // Reads a quoted field after its opening quote; false when the bytes end
    // before the closing quote.
    bool quoted(QByteArray &out)
    {
        while (!atEnd()) {
            const char c = m_bytes[m_at++];
            if (c != '"') {
                if (m_keepFields)
                    out += c;
            } else if (!atEnd() && m_bytes[m_at] == '"') {
                out += '"';
                ++m_at;
            } else {
                return true;
            }
        }
        return false;
    }

    const QByteArray &m_bytes;
    const bool m_keepFields;
    qsizetype m_at;
};

bool readCount(const QByteArray &text, int &out)
{
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    bool ok = false;
    out = text.toInt(&ok);
    return ok;
}

bool oneOf(const QString &value, std::initializer_list<const QString *> allowed)
{
    return std::any_of(allowed.begin(), allowed.end(), [&](const QString *a) { return value == *a; });
}

bool toRow(const Record &record, ResultRow &row)
{
    if (!record.ended || !record.sound || record.fields.size() != FieldCount)
        return false;
    const QList<QByteArray> &f = record.fields;
    // Exactly the form we write: Qt's ISO reader also takes fractions and other
    // forms that would not read back the same.
    row.time = QDateTime::fromString(QString::fromLatin1(f[0]), QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"));
    row.child = fromField(f[1]);
    row.exerciseFile = fromField(f[2]);
    row.word = fromField(f[3]);
    row.mode = QString::fromUtf8(f[4]);
    row.letter = fromField(f[6]);
    row.result = QString::fromUtf8(f[7]);
    const bool noAccentButton = row.letter == results::NoAccentButton;
    row.position = 0;
    const bool positionOk = noAccentButton ? f[5].isEmpty() : readCount(f[5], row.position) && row.position > 0;
    return row.time.isValid() && positionOk && !row.letter.isEmpty()
        && oneOf(row.mode, {&results::Vowel, &results::Syllable, &results::Accent})
        && oneOf(row.result, {&results::Right, &results::Wrong, &results::PartialHit})
        && readCount(f[8], row.right) && readCount(f[9], row.wrong);
}

} // namespace

QByteArray resultsHeader()
{
    return QByteArrayLiteral("hora,alumno,archivo,palabra,modo,posicion,letra,resultado,aciertos,fallos\n");
}

QByteArray formatResultRow(const ResultRow &row)
{
    QByteArray line = row.time.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toLatin1();
    for (const QString *text : {&row.child, &row.exerciseFile, &row.word, &row.mode})
        line += ',' + field(*text);
    line += ',';
    if (row.position > 0)
        line += QByteArray::number(row.position);
    line += ',' + field(row.letter) + ',' + field(row.result) + ',' + QByteArray::number(row.right) + ','
        + QByteArray::number(row.wrong) + '\n';
    return line;
}

QList<ResultRow> parseResults(const QByteArray &csv)
{
    QList<ResultRow> rows;
    Scanner scanner(csv);
    while (!scanner.atEnd()) {
        ResultRow row;
        if (toRow(scanner.next(), row))
            rows << row;
    }
    return rows;
}

QByteArray closeHalfRow(const QByteArray &csv)
{
    Scanner scanner(csv, false);
    Record last;
    last.ended = true;
    qsizetype lastStart = 0;
    while (!scanner.atEnd()) {
        lastStart = scanner.at();
        last = scanner.next();
    }
    if (last.ended)
        return {};
    // A whole row that only lacks its line end (a file edited by hand) is
    // ended, not broken.
    Record whole = Scanner(csv, true, lastStart).next();
    whole.ended = true;
    if (ResultRow row; !last.cutInQuotes && toRow(whole, row))
        return QByteArrayLiteral("\n");
    // One more, empty field: a cut row then has too many fields, or an empty
    // last counter, and no reader takes it for an answer.
    return last.cutInQuotes ? QByteArrayLiteral("\",\n") : QByteArrayLiteral(",\n");
}

QString resultsFileName(const QDate &day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".csv");
}

QList<ResultRow> readResultsFolder(const QString &folder)
{
    QList<ResultRow> rows;
    const QDir dir(folder);
    QStringList names = dir.entryList({QStringLiteral("*.csv")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &name : names) {
        const QDate day = QDate::fromString(name.chopped(4), QStringLiteral("yyyy-MM-dd"));
        if (!day.isValid() || name != resultsFileName(day))
            continue;
        QFile file(dir.filePath(name));
        if (file.size() > MaxFileBytes || !file.open(QIODevice::ReadOnly))
            continue;
        rows += parseResults(file.read(file.size()));
    }
    return rows;
}

} // namespace tildora
