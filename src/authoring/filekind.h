#pragma once

#include <QByteArray>
#include <QString>

namespace tildora {

// What a file that is not text is, said for a teacher ("a PDF document"),
// from its first bytes; empty when they read as text in any encoding an
// exercise file may have. A document, picture or sound read as text would
// otherwise become hundreds of lines of junk.
QString notTextKind(const QByteArray &bytes);

} // namespace tildora
