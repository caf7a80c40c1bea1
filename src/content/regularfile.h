#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QFile;

namespace tildora {

// Files a teacher (or anyone with the folder) put where we read: only a
// regular file, or a link to one, is ever read. A FIFO, a socket, a device or
// a folder, under any name, is refused at once and never waited on. Every
// reader of a teacher's file opens it through these.

// True when path is a regular file or a link to one, without opening it. For
// a path handed to a library that opens it by itself.
bool isRegularFile(const QString &path);

// Opens path for reading when it is a regular file; the opened file is
// checked again, so a swap after the first look is caught too. False with
// the reason, in the reader's language, when it is not one or cannot be opened.
bool openRegularFile(QFile &file, const QString &path, QString *reason = nullptr);

// The first maxBytes bytes of a regular file; nothing, with the reason, when
// it is not one or cannot be read.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *reason = nullptr);

// Writes the file in one piece: a crash, a full disk or a short write leaves
// the old file as it was. False with the system's reason ("No space left on
// device") when it could not be written whole.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *reason = nullptr);

} // namespace tildora
