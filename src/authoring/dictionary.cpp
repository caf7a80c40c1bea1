#include "authoring/dictionary.h"

#include "authoring/linecheck.h"
#include "authoring/stress.h"
#include "content/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <hunspell.hxx>

namespace tildora {
namespace {

// Far more words than any teacher adds; a stray huge file is not read whole.
constexpr qint64 MaxExtraWordsBytes = 16LL * 1024 * 1024;

} // namespace

SpanishDictionary::SpanishDictionary(const QString &folder)
{
    QStringList names{QStringLiteral("es_ES")};
    for (const QString &dic : QDir(folder).entryList({QStringLiteral("es_*.dic")}, QDir::Files, QDir::Name))
        names << QFileInfo(dic).completeBaseName();
    for (const QString &name : names) {
        const QString aff = folder + QLatin1Char('/') + name + QStringLiteral(".aff");
        const QString dic = folder + QLatin1Char('/') + name + QStringLiteral(".dic");
        if (QFileInfo::exists(aff) && QFileInfo::exists(dic)) {
            m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
            m_name = name;
            return;
        }
    }
}

SpanishDictionary::~SpanishDictionary() = default;

bool SpanishDictionary::addWords(const QString &path)
{
    // A teacher's file: a FIFO or a device there is never read.
    const std::optional<QByteArray> bytes = readRegularFile(path, MaxExtraWordsBytes);
    if (!m_hunspell || !bytes)
        return false;
    for (const QString &line : QString::fromUtf8(*bytes).split(QLatin1Char('\n'))) {
        const QString word = line.trimmed();
        if (!word.isEmpty() && !word.startsWith(QLatin1Char('#')))
            m_hunspell->add(word.toStdString());
    }
    return true;
}

bool SpanishDictionary::knows(const QString &word) const
{
    return m_hunspell && m_hunspell->spell(word.toStdString());
}

QStringList SpanishDictionary::accentSuggestions(const QString &word, int most) const
{
    QStringList list;
    if (!m_hunspell)
        return list;
    const QString plain = withoutWrittenAccent(word);
    const auto tryWord = [&](const QString &candidate) {
        if (list.size() < most && candidate != word && !list.contains(candidate) && knows(candidate))
            list << candidate;
    };
    tryWord(plain);
    for (qsizetype i = 0; i < plain.size(); ++i) {
        QString candidate = plain;
        const QChar c = plain.at(i);
        if (const QChar accented = accentedVowel(c); !accented.isNull()) {
            tryWord(candidate.replace(i, 1, accented));
            candidate = plain;
        }
        if (c == u'u' || c == u'n' || c == u'U' || c == u'N')
            tryWord(candidate.replace(i, 1, c == u'u' ? u'ü' : c == u'U' ? u'Ü' : c == u'n' ? u'ñ' : u'Ñ'));
    }
    return list;
}

QStringList SpanishDictionary::suggestions(const QString &word, int most) const
{
    QStringList list = accentSuggestions(word, most);
    if (!m_hunspell || !list.isEmpty())
        return list;
    for (const std::string &s : m_hunspell->suggest(word.toStdString())) {
        if (list.size() >= most)
            break;
        list << QString::fromStdString(s);
    }
    return list;
}

} // namespace tildora
