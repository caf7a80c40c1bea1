#pragma once

// The answers of many day files, held compactly: a school year of a room is
// near a million rows, so texts are kept once and a row is a few numbers.
#include <QDate>
#include <QList>
#include <QStringList>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <deque>
#include <unordered_map>
#include <vector>

namespace tildora {

struct ResultRow;

struct Answer {
    enum Mode : quint8 { Vowel, Syllable, Accent };
    enum Result : quint8 { Right, Wrong, PartialHit };

    qint32 day = 0;     // Julian day
    qint32 second = 0;  // of the day
    qint32 child = 0;   // texts of the set
    qint32 file = 0;
    qint32 word = 0;    // the set's words
    qint32 computer = 0;
    qint32 letter = 0;
    qint32 right = 0;   // the two counters after the answer
    qint32 wrong = 0;
    qint32 position = 0;  // 0 for the no-accent button
    Mode mode = Vowel;
    Result result = Right;

    // An answer the window's counters count: right or wrong, not a step.
    bool counts() const { return result != PartialHit; }
};

// A word as its rows give it: as in the exercise line, and as the child saw
// it with its written accent (empty in rows of older versions).
struct AnsweredWord {
    qint32 word = 0;  // texts of the set
    qint32 written = 0;
};

// Everything read, shared without copying: a set is never changed once made.
struct AnswerSet {
    QStringList texts;  // 0 is the empty text
    QList<AnsweredWord> words;
    QList<std::shared_ptr<const std::vector<Answer>>> parts;  // one per day file
    QStringList notes;  // what could not be read, each said once

    const QString &text(qint32 id) const { return texts.at(id); }
    qsizetype size() const;
    // The form to show of a word: as the child saw it when known.
    QString shownWord(qint32 word) const;
    ResultRow row(const Answer &answer) const;
    template<typename F> void forEach(F &&f) const
    {
        for (const auto &part : parts)
            for (const Answer &a : *part)
                f(a);
    }
};

// Turns the bytes of results files into answers, keeping each text once
// across all the files it reads.
class AnswerParser
{
public:
    AnswerParser();

    struct Counts {
        qsizetype rows = 0;    // records after a header, not counting blank lines
        qsizetype kept = 0;
        qsizetype future = 0;  // dated after the last day allowed
    };
    // Every well-formed row of the bytes, in their order; rows dated after
    // lastDay (when valid) are left out and counted.
    std::vector<Answer> parse(const char *begin, const char *end, const QDate &lastDay, Counts *counts = nullptr);

    // What the answers parsed so far refer to (texts and words).
    const QStringList &texts() const { return m_texts; }
    const QList<AnsweredWord> &words() const { return m_words; }

    // Takes in answers another parser made (on another thread): their texts
    // and words become this parser's.
    void adopt(const AnswerParser &other, std::vector<Answer> &answers);

private:
    // The texts a column had lately, found without hashing the whole text.
    struct Column {
        struct Seen {
            qint32 id = -1;
            std::string_view key;
        };
        Seen last;
        std::array<Seen, 64> seen;
    };
    qint32 intern(std::string_view bytes, Column &last);
    qint32 wordOf(qint32 word, qint32 written);

    QStringList m_texts;
    std::deque<std::string> m_keys;  // stable storage for the views below
    std::unordered_map<std::string_view, qint32> m_ids;
    QList<AnsweredWord> m_words;
    std::unordered_map<quint64, qint32> m_wordIds;
    // The texts of the last row, most rows repeat them.
    Column m_child, m_file, m_word, m_written, m_computer, m_letter;
    qint32 m_lastWord = -1;
    quint64 m_lastWordKey = 0;
    // The date last read: a day file repeats it in every row.
    char m_lastDate[10] = {};
    qint32 m_lastDay = 0;
};

} // namespace tildora
