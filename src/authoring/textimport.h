#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tildora {

struct ImportedLines {
    QStringList lines;     // exercise lines, without line ends
    QStringList problems;  // "line N: «word»: reason" for each word left out
};

// Text a teacher typed, pasted or imported, one entry per line: a word with
// its written accents becomes its exercise line; a line with a comma is taken
// as an exercise line already and kept as it is, so that the check can say
// what is wrong with it. Blank lines and lines starting with '#' are skipped.
ImportedLines linesFromText(QStringView text);

// The same for the bytes of a file, in UTF-8, UTF-16 (with its byte-order
// mark) or Windows-1252.
ImportedLines linesFromBytes(const QByteArray &bytes);

// The same for a file; one problem and no lines when it cannot be read.
ImportedLines linesFromFile(const QString &path);

} // namespace tildora
