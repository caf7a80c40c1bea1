#pragma once

#include "content/exerciselibrary.h"
#include "content/currentitem.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tildora {

// One exercise line cut at its commas: word,position,syllable,accent,
// Only the fields closed by a comma count; fields are not trimmed. The views
// point into the line that was split. What follows the fourth comma is the
// fifth field, which may hold commas of its own.
struct ExerciseLine {
    int closedFields = 0;  // 0..4
    QStringView word;
    QStringView position;
    QStringView syllable;
    QStringView accent;
    QStringView rest;      // after the fourth comma
};

ExerciseLine splitExerciseLine(QStringView line);

// The fifth field as written: what follows the fourth comma, without the
// comma that ends the line and the blanks around it; a sentence or not.
QStringView fifthField(const ExerciseLine &fields);

// The line's sentence: the fifth field without the comma that ends the line,
// when it holds the line's word as a word of its own (compared without
// written accents and letter case); empty otherwise, so that text older files
// keep after the fourth comma changes nothing.
QString lineSentence(const ExerciseLine &fields);

// Where the line's word stands in its sentence: the occurrence spelled as the
// line spells the word with its accent, else the first one. Start -1 when the
// word is not in the sentence.
struct WordInSentence {
    qsizetype start = -1;
    qsizetype length = 0;
};
WordInSentence findWordInSentence(QStringView sentence, QStringView word, QStringView accent, int stressPosition);

// The word as the child sees it drawn: its written accents taken away.
QString withoutWrittenAccents(QStringView text);

// True when an accent field is the no-accent marker ("NO" in any letter case,
// nothing around it).
bool isNoAccentMarker(const QString &accent);

// 1-based start of the occurrence of the stressed syllable that marks it in
// the word: the first one, or the next one when the first ends before the
// stressed letter (so "pa" in papá marks positions 3-4); 0 when none.
int markedSyllableStart(QStringView word, QStringView syllable, int stressPosition);

// Takes the line at ItemIndex into the four item fields, wrapping ItemIndex to 0
// past the last line. A field whose closing comma is missing, or a position
// outside 0..255, keeps the value it had.
void parseCurrentItem(CurrentItem &state, const ExerciseLines &lines);

} // namespace tildora
