#pragma once

// What a teacher looks at: how each child does by mode and by kind of word,
// day by day and week by week, and which words were missed most.
#include "results/answers.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

namespace tildora {

// Answers count the presses that the window's counters count (right or
// wrong); a syllable letter that does not yet complete the syllable is a step
// of an answer, not an answer of its own.
struct Tally {
    int answers = 0;
    int right = 0;

    // Share right, 0 to 100, rounded; -1 without answers.
    int percent() const { return answers > 0 ? int((200LL * right + answers) / (2LL * answers)) : -1; }
    bool operator==(const Tally &) const = default;
};

struct ChildSummary {
    QString child;
    Tally all;
    std::array<Tally, 3> byMode;  // vowel, syllable, written accent
    QList<Tally> byGroup;         // by the groups of words asked for

    bool operator==(const ChildSummary &) const = default;
};

struct ChildDaySummary {
    QString child;
    QDate day;
    int answers = 0;
    int right = 0;

    bool operator==(const ChildDaySummary &) const = default;
};

// How often a word was answered, and missed.
struct WordSummary {
    QString word;     // as in the exercise line
    int tries = 0;    // answers given on the word
    int misses = 0;   // of them wrong
    QString written = {};  // as the child saw it, when the rows say
    qint32 id = -1;   // in the set's words
    quint32 groups = 0;

    QString shown() const { return written.isEmpty() ? word : written; }
    bool operator==(const WordSummary &o) const { return shown() == o.shown() && tries == o.tries && misses == o.misses; }
};

struct WeekSummary {
    QDate monday;
    Tally tally;

    bool operator==(const WeekSummary &) const = default;
};

// Which answers to sum up.
struct ResultsFilter {
    bool allChildren = true;
    QString child;    // when not all
    QDate from, to;   // either may be left open (invalid)
    // The groups of each word of the set, bit i for group i of groupCount;
    // a word not in the list is in none.
    QList<quint32> wordGroups;
    int groupCount = 0;
};

struct ResultsSummary {
    QList<ChildSummary> children;  // each child with answers in the dates, by name
    ChildSummary shown;            // the chosen child, or the whole class
    QList<ChildDaySummary> days;   // of the chosen child or all, by day, then child
    QList<WeekSummary> weeks;      // of the chosen child or all, weeks with answers in order
    QList<WordSummary> words;      // most misses first; equal misses by more tries, then the word
};

ResultsSummary summarize(const AnswerSet &set, const ResultsFilter &filter = {});

} // namespace tildora
