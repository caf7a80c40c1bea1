#include "results/csvrecord.h"

#include <cstring>

namespace tildora {
namespace {

// Whether a spreadsheet would run the text as a formula, were it shown as
// written: it starts with = + - @ or a tab or carriage return, maybe after
// apostrophes (which are then doubled, so the one put in front is known).
bool looksLikeFormula(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == '\'')
        ++i;
    return i < text.size() && text[i] != '\0' && std::strchr("=+-@\t\r", text[i]);
}

} // namespace

QByteArray csvField(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (looksLikeFormula(std::string_view(bytes.constData(), std::size_t(bytes.size()))))
        bytes.prepend('\'');
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r')) {
        bytes.replace("\"", "\"\"");
        bytes.prepend('"');
        bytes.append('"');
    }
    return bytes;
}

QString textOfField(std::string_view field)
{
    if (!field.empty() && field[0] == '\'' && looksLikeFormula(field))
        field.remove_prefix(1);
    return QString::fromUtf8(field.data(), qsizetype(field.size()));
}

CsvScanner::CsvScanner(const char *begin, const char *end, qsizetype from)
    : m_begin(begin), m_end(end), m_at(begin + from)
{
    if (from == 0 && end - begin >= 3 && std::memcmp(begin, "\xEF\xBB\xBF", 3) == 0)
        m_at += 3;
}

// After the opening quote: the field up to its closing quote, doubled quotes
// made single. False when the bytes end first (the field so far is kept).
bool CsvScanner::quoted()
{
    const char *start = m_at;
    std::string *undoubled = nullptr;
    for (;;) {
        const char *quote = static_cast<const char *>(std::memchr(m_at, '"', std::size_t(m_end - m_at)));
        if (!quote) {
            if (undoubled)
                undoubled->append(m_at, m_end);
            m_at = m_end;
            break;
        }
        if (quote + 1 < m_end && quote[1] == '"') {
            if (!undoubled && m_record.count < CsvRecord::MostFields) {
                undoubled = &m_unquoted[std::size_t(m_record.count)];
                undoubled->assign(start, quote);
            } else if (undoubled) {
                undoubled->append(m_at, quote);
            }
            if (undoubled)
                undoubled->push_back('"');
            m_at = quote + 2;
            continue;
        }
        if (undoubled) {
            undoubled->append(m_at, quote);
            endField(undoubled->data(), undoubled->data() + undoubled->size());
        } else {
            endField(start, quote);
        }
        m_at = quote + 1;
        return true;
    }
    if (undoubled)
        endField(undoubled->data(), undoubled->data() + undoubled->size());
    else
        endField(start, m_end);
    return false;
}

const CsvRecord &CsvScanner::next()
{
    m_record.count = 0;
    m_record.ended = m_record.cutInQuotes = false;
    m_record.sound = true;
    // Nearly every line holds no quote and ends in LF (or CR LF): it is split
    // at its commas at once.
    const std::size_t left = std::size_t(m_end - m_at);
    if (const char *lf = static_cast<const char *>(std::memchr(m_at, '\n', left))) {
        const char *end = lf > m_at && lf[-1] == '\r' ? lf - 1 : lf;
        const std::size_t length = std::size_t(end - m_at);
        if (!std::memchr(m_at, '"', length) && !std::memchr(m_at, '\r', length)) {
            const char *field = m_at;
            for (const char *c = m_at; c < end; ++c)
                if (*c == ',') {
                    endField(field, c);
                    field = c + 1;
                }
            endField(field, end);
            m_record.ended = true;
            m_at = lf + 1;
            return m_record;
        }
    }
    for (;;) {
        bool plain = true;
        if (m_at < m_end && *m_at == '"') {
            ++m_at;
            if (!quoted()) {
                m_record.cutInQuotes = true;
                return m_record;
            }
            plain = m_at < m_end && *m_at != ',' && *m_at != '\n' && *m_at != '\r';
            // Text after a closing quote is not RFC 4180; the field is read on
            // so the record ends where its writer meant it to.
            if (plain) {
                m_record.sound = false;
                --m_record.count;
            }
        }
        if (plain) {
            const char *start = m_at;
            while (m_at < m_end && *m_at != ',' && *m_at != '\n' && *m_at != '\r') {
                if (*m_at == '"')
                    m_record.sound = false;
                ++m_at;
            }
            endField(start, m_at);
        }
        if (m_at >= m_end)
            return m_record;
        const char c = *m_at++;
        if (c == ',')
            continue;
        if (c == '\r' && m_at < m_end && *m_at == '\n')
            ++m_at;
        m_record.ended = true;
        return m_record;
    }
}

} // namespace tildora
