#include "results/answers.h"

#include "results/csvrecord.h"
#include "results/resultrow.h"

#include <climits>
#include <cstring>

namespace tildora {
namespace {

using namespace std::string_view_literals;

// Fields of a row as the first version wrote it, and as this one does.
constexpr int OldFields = 10;
constexpr int Fields = 12;

// Digits only, within an int.
bool readCount(std::string_view text, qint32 &out)
{
    if (text.empty() || text.size() > 10)
        return false;
    qint64 value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    out = qint32(value);
    return value <= INT_MAX;
}

bool twoDigits(const char *at, int &out)
{
    if (at[0] < '0' || at[0] > '9' || at[1] < '0' || at[1] > '9')
        return false;
    out = (at[0] - '0') * 10 + (at[1] - '0');
    return true;
}

bool readMode(std::string_view text, Answer::Mode &out)
{
    out = text == "vocal"sv ? Answer::Vowel : text == "silaba"sv ? Answer::Syllable : Answer::Accent;
    return out != Answer::Accent || text == "tilde"sv;
}

bool readResult(std::string_view text, Answer::Result &out)
{
    out = text == "bien"sv ? Answer::Right : text == "mal"sv ? Answer::Wrong : Answer::PartialHit;
    return out != Answer::PartialHit || text == "acierto-parcial"sv;
}

} // namespace

qsizetype AnswerSet::size() const
{
    qsizetype n = 0;
    for (const auto &part : parts)
        n += qsizetype(part->size());
    return n;
}

QString AnswerSet::shownWord(qint32 word) const
{
    const AnsweredWord &w = words.at(word);
    return text(w.written ? w.written : w.word);
}

ResultRow AnswerSet::row(const Answer &a) const
{
    static const QString *const modes[] = {&results::Vowel, &results::Syllable, &results::Accent};
    static const QString *const outcomes[] = {&results::Right, &results::Wrong, &results::PartialHit};
    const AnsweredWord &w = words.at(a.word);
    return {QDateTime(QDate::fromJulianDay(a.day), QTime(0, 0).addSecs(a.second)), text(a.child), text(a.file),
            text(w.word), *modes[a.mode], a.position, text(a.letter), *outcomes[a.result], a.right, a.wrong,
            text(w.written), text(a.computer)};
}

AnswerParser::AnswerParser()
{
    Column none;
    intern({}, none);
}

qint32 AnswerParser::intern(std::string_view bytes, Column &column)
{
    if (column.last.id >= 0 && column.last.key == bytes)
        return column.last.id;
    quint32 hint = 2166136261u;  // FNV-1a: the texts are short
    for (const char c : bytes)
        hint = (hint ^ uchar(c)) * 16777619u;
    Column::Seen &seen = column.seen[(hint ^ hint >> 16) % column.seen.size()];
    if (seen.id >= 0 && seen.key == bytes) {
        column.last = seen;
        return seen.id;
    }
    auto found = m_ids.find(bytes);
    if (found == m_ids.end()) {
        const std::string_view key = m_keys.emplace_back(bytes);
        found = m_ids.emplace(key, qint32(m_texts.size())).first;
        m_texts << textOfField(bytes);
    }
    seen = column.last = {found->second, found->first};
    return found->second;
}

qint32 AnswerParser::wordOf(qint32 word, qint32 written)
{
    const quint64 key = quint64(quint32(word)) << 32 | quint32(written);
    if (m_lastWord >= 0 && key == m_lastWordKey)
        return m_lastWord;
    auto found = m_wordIds.find(key);
    if (found == m_wordIds.end()) {
        found = m_wordIds.emplace(key, qint32(m_words.size())).first;
        m_words.append({word, written});
    }
    m_lastWordKey = key;
    return m_lastWord = found->second;
}

void AnswerParser::adopt(const AnswerParser &other, std::vector<Answer> &answers)
{
    std::vector<qint32> texts(other.m_keys.size());
    Column column;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = intern(other.m_keys[i], column);
    std::vector<qint32> words(std::size_t(other.m_words.size()));
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = wordOf(texts[std::size_t(other.m_words[qsizetype(i)].word)],
                          texts[std::size_t(other.m_words[qsizetype(i)].written)]);
    for (Answer &a : answers) {
        a.child = texts[std::size_t(a.child)];
        a.file = texts[std::size_t(a.file)];
        a.computer = texts[std::size_t(a.computer)];
        a.letter = texts[std::size_t(a.letter)];
        a.word = words[std::size_t(a.word)];
    }
}

std::vector<Answer> AnswerParser::parse(const char *begin, const char *end, const QDate &lastDay, Counts *counts)
{
    Counts seen;
    std::vector<Answer> out;
    out.reserve(std::size_t(end - begin) / 80);
    const qint32 latest = lastDay.isValid() ? qint32(lastDay.toJulianDay()) : INT_MAX;
    CsvScanner scanner(begin, end);
    Answer a;
    while (!scanner.atEnd()) {
        const CsvRecord &r = scanner.next();
        const std::string_view first = r.field(0);
        if ((r.count == 1 && first.empty()) || first == "hora"sv)
            continue;  // a blank line or a header
        ++seen.rows;
        if (!r.ended || !r.sound || (r.count != OldFields && r.count != Fields) || first.size() != 19)
            continue;
        // Exactly the form we write: 2026-12-06T11:24:05.
        const char *t = first.data();
        int y1 = 0, y2 = 0, month = 0, dayOfMonth = 0, h = 0, m = 0, s = 0;
        if (t[4] != '-' || t[7] != '-' || t[10] != 'T' || t[13] != ':' || t[16] != ':' || !twoDigits(t, y1)
            || !twoDigits(t + 2, y2) || !twoDigits(t + 5, month) || !twoDigits(t + 8, dayOfMonth)
            || !twoDigits(t + 11, h) || !twoDigits(t + 14, m) || !twoDigits(t + 17, s) || h > 23 || m > 59 || s > 59)
            continue;
        if (std::memcmp(t, m_lastDate, 10) != 0) {
            const QDate date(y1 * 100 + y2, month, dayOfMonth);
            if (!date.isValid())
                continue;
            std::memcpy(m_lastDate, t, 10);
            m_lastDay = qint32(date.toJulianDay());
        }
        a.day = m_lastDay;
        a.second = h * 3600 + m * 60 + s;
        const std::string_view letter = r.field(6);
        const bool noAccentButton = letter == "sin-tilde"sv;
        a.position = 0;
        if (letter.empty() || !(noAccentButton ? r.field(5).empty() : readCount(r.field(5), a.position) && a.position > 0)
            || !readMode(r.field(4), a.mode) || !readResult(r.field(7), a.result)
            || !readCount(r.field(8), a.right) || !readCount(r.field(9), a.wrong))
            continue;
        if (a.day > latest) {
            ++seen.future;
            continue;
        }
        a.child = intern(r.field(1), m_child);
        a.file = intern(r.field(2), m_file);
        a.word = wordOf(intern(r.field(3), m_word), intern(r.field(10), m_written));
        a.computer = intern(r.field(11), m_computer);
        a.letter = intern(letter, m_letter);
        out.push_back(a);
    }
    seen.kept = qsizetype(out.size());
    if (counts)
        *counts = seen;
    return out;
}

} // namespace tildora
