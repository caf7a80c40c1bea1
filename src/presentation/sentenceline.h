#pragma once

#include "content/currentitem.h"

#include <QFont>
#include <QString>

namespace tildora {

// A line's sentence as the child sees it: the line's word written as the
// letter strip draws it, without its written accent, so that the sentence
// never gives the answer away; and where that word stands, to be marked.
struct ShownSentence {
    QString text;
    qsizetype wordStart = -1;  // -1: the word is not in the sentence
    qsizetype wordLength = 0;
};

ShownSentence shownSentence(const CurrentItem &item);

// The sentence as rich text, the word marked (blue, underlined).
QString sentenceMarkup(const ShownSentence &sentence);

// The font the sentence is written in: as large as fits in `width` pixels,
// from `base` down to two thirds of it.
QFont sentenceFont(const QString &text, const QFont &base, int width);

} // namespace tildora
