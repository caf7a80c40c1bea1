#pragma once

#include "content/exercisewriter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tildora {

struct ImportedLines {
    QStringList lines;     // exercise lines, without line ends
    QStringList problems;  // "line N: «word»: reason" for each entry left out
    QStringList changed;   // "line N: …; its line is made for «word»": made, as the rules write it today
    QStringList leftOut;   // the entries left out, as given, to be mended and given again
};

// What becomes of a line that holds a comma: kept as the exercise line it
// already is (the check then says what is wrong with it), or refused as a word.
enum class GivenLines { Kept, Refused };

// The one way words become exercise lines, for the maker, the editor and its
// imports: text one entry per line, a word with its written accents becomes
// its exercise line, and "word: sentence" (a colon with no comma before it)
// the word's line with that sentence. Blank lines and lines starting with '#'
// are skipped.
ImportedLines linesFromText(QStringView text, GivenLines given = GivenLines::Kept);

// One entry as a teacher types it, "tú" or "tú: ¿Vienes tú al parque?", as
// the item of its line; nothing, with the reason, when no line can be made of
// it or the sentence does not hold the word as a word of its own.
std::optional<ExerciseItem> itemFromEntry(QStringView entry, QString *why = nullptr);

// The same for the bytes of a file, in UTF-8, UTF-16 (with its byte-order
// mark) or Windows-1252.
ImportedLines linesFromBytes(const QByteArray &bytes);

// The same for a file; one problem and no lines when it cannot be read.
ImportedLines linesFromFile(const QString &path);

} // namespace tildora
