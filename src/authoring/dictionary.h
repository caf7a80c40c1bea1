#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

namespace tildora {

// The Spanish dictionary of the system (Debian's hunspell-es), through
// libhunspell. Without it nothing is known and nothing is suggested.
class SpanishDictionary
{
public:
    // Opens es_ES (or the first Spanish dictionary found) in the folder, by
    // default the system's hunspell folder.
    explicit SpanishDictionary(const QString &folder = QStringLiteral("/usr/share/hunspell"));
    ~SpanishDictionary();

    bool isOpen() const { return m_hunspell != nullptr; }
    // Words the dictionary lacks, one per line ('#' starts a comment line),
    // known from now on. False when the file cannot be read.
    bool addWords(const QString &path);
    QString name() const { return m_name; }
    bool knows(const QString &word) const;
    // The dictionary's closest words: a teacher's usual slip, a forgotten or
    // misplaced accent, ñ or ü, is found at once (accentSuggestions); other
    // words ask hunspell, which takes some 30 ms a word.
    QStringList suggestions(const QString &word, int most = 5) const;
    // The known words that differ from this one only by one accent, ñ or ü.
    QStringList accentSuggestions(const QString &word, int most = 5) const;

private:
    std::unique_ptr<Hunspell> m_hunspell;
    QString m_name;
};

} // namespace tildora
