#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tildora {

// A word as Tildora will use it, read from its exercise line: the word with
// its written accent put back, cut into syllables, with the syllable that the
// line marks as stressed.
struct WordAnalysis {
    // An adverb in -mente is its own kind: it keeps its adjective's stress
    // and accent (rápidamente), whatever syllable from the end that is.
    enum Kind { Unknown, Monosilabo, Aguda, Llana, Esdrujula, Sobresdrujula, AdverbioEnMente };

    bool readable = false;  // four fields and a position inside the word
    QString written;        // with its written accent
    QStringList syllables;  // of the written word
    int stressed = -1;      // index into syllables; -1 when no syllable holds the position
    Kind kind = Unknown;
    bool takesTilde = false;
};

WordAnalysis analyseLine(QStringView line);

// The Spanish name of the kind ("aguda", "llana", "monosílaba", "adverbio en
// -mente", ...), feminine as "palabra" is; empty for Unknown.
// Teachers use these names in either language, so they are not translated.
QString kindName(WordAnalysis::Kind kind);

// The syllables joined by '·' with the stressed one in capitals: "ÁR·bol".
QString markedSyllables(const WordAnalysis &analysis);

} // namespace tildora
