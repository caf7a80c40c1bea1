#include "authoring/filekind.h"

#include <QCoreApplication>

#include <algorithm>

namespace tildora {

QString notTextKind(const QByteArray &bytes)
{
    // UTF-16 has a zero in every other byte: it is told by its byte-order mark.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return {};
    struct Signature {
        QByteArrayView start;
        const char *kind;
    };
    static const Signature signatures[] = {
        {"PK\x03\x04", QT_TRANSLATE_NOOP("tildora::FileKind", "a Word, LibreOffice or similar document")},
        {"\xD0\xCF\x11\xE0", QT_TRANSLATE_NOOP("tildora::FileKind", "an older Word or Excel document")},
        {"%PDF", QT_TRANSLATE_NOOP("tildora::FileKind", "a PDF document")},
        {"{\\rtf", QT_TRANSLATE_NOOP("tildora::FileKind", "a rich-text (RTF) document")},
        {"\x89PNG", QT_TRANSLATE_NOOP("tildora::FileKind", "a picture")},
        {"\xFF\xD8\xFF", QT_TRANSLATE_NOOP("tildora::FileKind", "a picture")},
        {"GIF8", QT_TRANSLATE_NOOP("tildora::FileKind", "a picture")},
    };
    for (const Signature &s : signatures)
        if (bytes.startsWith(s.start))
            return QCoreApplication::translate("tildora::FileKind", s.kind);
    // Text has no zero bytes and hardly any control characters besides line
    // ends and tabs; any other file has them among its first bytes.
    const QByteArrayView head = QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 65536));
    const qsizetype controls = std::count_if(head.begin(), head.end(), [](char c) {
        return (uchar(c) < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') || c == '\x7f';
    });
    if (head.contains('\0') || controls * 100 > head.size())
        return QCoreApplication::translate("tildora::FileKind", "a file made for another program");
    return {};
}

} // namespace tildora
