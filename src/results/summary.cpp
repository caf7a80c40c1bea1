#include "results/summary.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <vector>

namespace tildora {
namespace {

void add(Tally &t, bool right)
{
    ++t.answers;
    t.right += right;
}

void add(ChildSummary &c, const Answer &a, quint32 groups, bool right)
{
    add(c.all, right);
    add(c.byMode[a.mode], right);
    for (int g = 0; groups != 0 && g < c.byGroup.size(); ++g, groups >>= 1)
        if (groups & 1)
            add(c.byGroup[g], right);
}

// Entries found by a key, the last one remembered: rows come in runs of the
// same child and day.
template<typename Entry> class Index
{
public:
    template<typename Make> Entry &at(qint64 key, QList<Entry> &entries, Make make)
    {
        if (key != m_lastKey || m_last < 0) {
            auto found = m_slots.constFind(key);
            if (found == m_slots.constEnd()) {
                found = m_slots.insert(key, entries.size());
                entries.append(make());
            }
            m_lastKey = key;
            m_last = *found;
        }
        return entries[m_last];
    }

private:
    QHash<qint64, qsizetype> m_slots;
    qint64 m_lastKey = 0;
    qsizetype m_last = -1;
};

} // namespace

ResultsSummary summarize(const AnswerSet &set, const ResultsFilter &filter)
{
    const qint32 from = filter.from.isValid() ? qint32(filter.from.toJulianDay()) : INT_MIN;
    const qint32 to = filter.to.isValid() ? qint32(filter.to.toJulianDay()) : INT_MAX;
    // -2 matches no answer: a child with none in this set.
    const qsizetype found = filter.allChildren ? -1 : set.texts.indexOf(filter.child);
    const qint32 chosen = filter.allChildren ? -1 : found < 0 ? -2 : qint32(found);
    const QList<Tally> noGroups(filter.groupCount);
    ResultsSummary out;
    out.shown.byGroup = noGroups;
    std::vector<qsizetype> childSlot(std::size_t(set.texts.size()), -1);
    std::vector<Tally> words(std::size_t(set.words.size()));
    Index<ChildDaySummary> days;
    Index<WeekSummary> weeks;
    set.forEach([&](const Answer &a) {
        if (!a.counts() || a.day < from || a.day > to)
            return;
        const bool right = a.result == Answer::Right;
        const quint32 groups = a.word < filter.wordGroups.size() ? filter.wordGroups[a.word] : 0;
        qsizetype &slot = childSlot[std::size_t(a.child)];
        if (slot < 0) {
            slot = out.children.size();
            out.children.append({set.text(a.child), {}, {}, noGroups});
        }
        add(out.children[slot], a, groups, right);
        if (chosen != -1 && a.child != chosen)
            return;
        add(out.shown, a, groups, right);
        ChildDaySummary &day = days.at(qint64(a.child) << 32 | quint32(a.day), out.days, [&] {
            return ChildDaySummary{set.text(a.child), QDate::fromJulianDay(a.day), 0, 0};
        });
        ++day.answers;
        day.right += right;
        // Julian day 0 was a Monday.
        const qint32 monday = a.day - (a.day >= 0 ? a.day % 7 : (a.day % 7 + 7) % 7);
        add(weeks.at(monday, out.weeks, [&] { return WeekSummary{QDate::fromJulianDay(monday), {}}; }).tally, right);
        add(words[std::size_t(a.word)], right);
    });
    out.shown.child = filter.allChildren ? QString() : filter.child;
    std::sort(out.children.begin(), out.children.end(), [](const ChildSummary &a, const ChildSummary &b) {
        return QString::localeAwareCompare(a.child, b.child) < 0;
    });
    std::sort(out.days.begin(), out.days.end(), [](const ChildDaySummary &a, const ChildDaySummary &b) {
        return a.day != b.day ? a.day < b.day : a.child < b.child;
    });
    std::sort(out.weeks.begin(), out.weeks.end(),
              [](const WeekSummary &a, const WeekSummary &b) { return a.monday < b.monday; });
    // Rows of older versions lack the written form: such a word counts with
    // the one written form its other rows give, when they give just one.
    QHash<qint32, qint32> writtenOf;
    for (qsizetype w = 0; w < set.words.size(); ++w)
        if (const AnsweredWord &aw = set.words[w]; aw.written && words[std::size_t(w)].answers > 0)
            writtenOf[aw.word] = writtenOf.contains(aw.word) ? -1 : qint32(w);
    for (qsizetype w = 0; w < set.words.size(); ++w) {
        const qint32 into = set.words[w].written ? -1 : writtenOf.value(set.words[w].word, -1);
        if (into >= 0) {
            words[std::size_t(into)].answers += words[std::size_t(w)].answers;
            words[std::size_t(into)].right += words[std::size_t(w)].right;
            words[std::size_t(w)] = {};
        }
    }
    for (qsizetype w = 0; w < set.words.size(); ++w) {
        const Tally &t = words[std::size_t(w)];
        if (t.answers > 0)
            out.words.append({set.text(set.words[w].word), t.answers, t.answers - t.right,
                              set.text(set.words[w].written), qint32(w),
                              w < filter.wordGroups.size() ? filter.wordGroups[w] : 0});
    }
    std::sort(out.words.begin(), out.words.end(), [](const WordSummary &a, const WordSummary &b) {
        if (a.misses != b.misses)
            return a.misses > b.misses;
        if (a.tries != b.tries)
            return a.tries > b.tries;
        return a.shown() < b.shown();
    });
    return out;
}

} // namespace tildora
