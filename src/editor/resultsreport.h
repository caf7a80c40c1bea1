#pragma once

// What the Results tab shows and prints, as values: the rows by mode and by
// kind of word, the weakest kind, the missed words of a kind, and the page a
// teacher takes to a parents' meeting. No widgets, so it is tested as it is.
#include "results/summary.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace tildora {

// A row of the table of modes and kinds: what it counts and its tally.
struct KindRow {
    QString name;
    Tally tally;
    int group = -1;  // the WordGroup, or -1 for a mode
};

// The three modes (vowel, syllable, written accent), then the kinds of word.
QList<KindRow> kindRows(const ChildSummary &c);

// The class's tallies: those of its children added up.
ChildSummary wholeClass(const QList<ChildSummary> &children);

// A kind answered fewer times says too little to be called the weakest.
constexpr int FewestAnswersOfAWeakKind = 10;

// The kind of word with the smallest share right among those answered at
// least fewestAnswers times (fewer say little); -1 when none is.
int weakestGroup(const ChildSummary &c, int fewestAnswers);

// The words of a kind (-1: any kind) missed at least once, in the order given.
QList<WordSummary> missedOfGroup(const QList<WordSummary> &words, int group);

// The kinds of a word for the words table: "llana, con tilde".
QString groupsText(quint32 groups);

// What the one-page summary says.
struct ReportPage {
    QString who;            // the child, or empty for the whole class
    QDate from, to;         // the days shown
    ChildSummary shown;     // the child's or the class's tallies
    QList<WeekSummary> weeks;
    QList<WordSummary> words;  // most missed first
    QStringList shownWords;    // by word id: as the child saw it
};

// The page as rich text for QTextDocument: tallies by mode and kind with the
// weakest kind marked, the last weeks and the words missed most, cut so that
// it stays one page.
QString reportHtml(const ReportPage &page);

} // namespace tildora
