#pragma once

#include <QByteArray>
#include <QString>

namespace tildora {

// Decodes a text file a teacher gave us, whatever editor saved it:
// - UTF-16 little or big endian when it starts with its byte-order mark
//   (Windows Notepad's "Unicode" and "Unicode big endian");
// - UTF-8, with or without byte-order mark, when the bytes are valid UTF-8;
// - otherwise Windows-1252, the encoding of older exercise files.
// Nothing is guessed without a mark: a file with NUL bytes and no mark is
// read as UTF-8 or Windows-1252 like any other. Broken UTF-16 (a lone
// surrogate, an odd last byte) gives U+FFFD in its place, never a loss of
// the text around it. The byte-order mark itself is never part of the text.
QString decodeExerciseText(const QByteArray &bytes);

} // namespace tildora
