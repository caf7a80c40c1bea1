#pragma once

// What a teacher looks at first: how much each child answered on each day,
// and which words were missed most.
#include "results/resultrow.h"

#include <QDate>
#include <QList>
#include <QString>

namespace tildora {

// Answers count the presses that the window's counters count (right or
// wrong); a syllable letter that does not yet complete the syllable is a step
// of an answer, not an answer of its own.
struct ChildDaySummary {
    QString child;
    QDate day;
    int answers = 0;
    int right = 0;

    bool operator==(const ChildDaySummary &) const = default;
};

// How often a word was answered, and missed.
struct WordSummary {
    QString word;
    int tries = 0;   // answers given on the word
    int misses = 0;  // of them wrong

    bool operator==(const WordSummary &) const = default;
};

// One entry per child and day with answers, by day, then child name.
QList<ChildDaySummary> summarizeByChildAndDay(const QList<ResultRow> &rows);

// One entry per word answered, most misses first; equal misses by more tries,
// then by the word.
QList<WordSummary> summarizeByWord(const QList<ResultRow> &rows);

} // namespace tildora
