#pragma once

// Records of RFC 4180 text, read in place: the results files are large, so a
// field is a view of the bytes wherever it can be.
#include <QByteArray>
#include <QString>

#include <array>
#include <string>
#include <string_view>

namespace tildora {

struct CsvRecord {
    static constexpr int MostFields = 16;  // more are counted, not kept

    int count = 0;             // fields in the record
    bool ended = false;        // by a line break, not by the end of the bytes
    bool cutInQuotes = false;  // the bytes ended inside a quoted field
    bool sound = true;         // no quote where RFC 4180 allows none
    std::array<std::string_view, MostFields> fields;

    std::string_view field(int i) const { return i < count && i < MostFields ? fields[std::size_t(i)] : std::string_view(); }
};

class CsvScanner
{
public:
    // A byte order mark at the start is skipped.
    CsvScanner(const char *begin, const char *end, qsizetype from = 0);
    bool atEnd() const { return m_at >= m_end; }
    qsizetype at() const { return qsizetype(m_at - m_begin); }

    // The next record. Its views hold until the next call.
    const CsvRecord &next();

private:
    void endField(const char *from, const char *to)
    {
        if (m_record.count < CsvRecord::MostFields)
            m_record.fields[std::size_t(m_record.count)] = std::string_view(from, std::size_t(to - from));
        ++m_record.count;
    }
    bool quoted();

    const char *m_begin;
    const char *m_end;
    const char *m_at;
    CsvRecord m_record;
    // Quoted fields with doubled quotes, undoubled; a field's view points here.
    std::array<std::string, CsvRecord::MostFields> m_unquoted;
};

// A text as a field of a results file: an apostrophe in front when a
// spreadsheet would otherwise run it as a formula; quoted when it holds a
// comma, a quote or a line break.
QByteArray csvField(const QString &text);
// The text a field of a results file (unquoted) was written from.
QString textOfField(std::string_view field);

} // namespace tildora
