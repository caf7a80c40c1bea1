#include "results/summary.h"

#include <QHash>

#include <algorithm>
#include <utility>

namespace tildora {
namespace {

// Whether a row is an answer the counters count.
bool isAnswer(const ResultRow &row) { return row.result == results::Right || row.result == results::Wrong; }

} // namespace

QList<ChildDaySummary> summarizeByChildAndDay(const QList<ResultRow> &rows)
{
    QList<ChildDaySummary> out;
    QHash<std::pair<QString, QDate>, qsizetype> index;
    for (const ResultRow &row : rows) {
        if (!isAnswer(row))
            continue;
        const std::pair key(row.child, row.time.date());
        auto found = index.constFind(key);
        if (found == index.constEnd()) {
            found = index.insert(key, out.size());
            out.append({row.child, key.second, 0, 0});
        }
        ChildDaySummary &entry = out[*found];
        ++entry.answers;
        if (row.result == results::Right)
            ++entry.right;
    }
    std::sort(out.begin(), out.end(), [](const ChildDaySummary &a, const ChildDaySummary &b) {
        return a.day != b.day ? a.day < b.day : a.child < b.child;
    });
    return out;
}

QList<WordSummary> summarizeByWord(const QList<ResultRow> &rows)
{
    QList<WordSummary> out;
    QHash<QString, qsizetype> index;
    for (const ResultRow &row : rows) {
        if (!isAnswer(row))
            continue;
        auto found = index.constFind(row.word);
        if (found == index.constEnd()) {
            found = index.insert(row.word, out.size());
            out.append({row.word, 0, 0});
        }
        WordSummary &entry = out[*found];
        ++entry.tries;
        if (row.result == results::Wrong)
            ++entry.misses;
    }
    std::sort(out.begin(), out.end(), [](const WordSummary &a, const WordSummary &b) {
        if (a.misses != b.misses)
            return a.misses > b.misses;
        if (a.tries != b.tries)
            return a.tries > b.tries;
        return a.word < b.word;
    });
    return out;
}

} // namespace tildora
