#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The source of the bundled exercise files (palabras.txt; its head describes
// the syntax) read into sections, and the order each list is written in.
namespace contentgen {

struct Entry {
    QStringList syllables;  // the word with its written accent, cut into syllables
    QString sentence;       // empty for a word without one
};

// Entries that stay together in this order, such as a singular and its plural.
using Unit = QList<Entry>;

struct Section {
    QString name;
    bool mixed = false;  // order each paragraph so that no pattern gives the answers away
    QList<QList<Unit>> paragraphs;
};

QList<Section> readWordList(const QString &text, QString *error);

// What the child could count on in a list: the kind of word, whether it takes
// a written accent, the stressed syllable counted from the end, and whether
// the word holds a diphthong or a hiatus.
QStringList traitsOf(const QStringList &syllables, int stressed);

// The section's entries in the order they are written: as given, or for a
// mixed section each paragraph shuffled with a fixed seed until no trait
// repeats in a pattern. Empty with a reason when no order was found.
QList<Entry> orderedEntries(const Section &section, QString *error);

} // namespace contentgen
