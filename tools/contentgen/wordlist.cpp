#include "wordlist.h"

#include "authoring/linecheck.h"
#include "authoring/stress.h"

#include <QHash>

#include <algorithm>
#include <random>

namespace contentgen {
namespace {

QStringList syllablesOf(const QString &word)
{
    return word.trimmed().split(QLatin1Char('-'));
}

bool isVowel(QChar c)
{
    return QStringLiteral("aeiouáéíóúü").contains(c.toLower());
}

// Diphthong, hiatus or neither, read from the cut: two vowels side by side
// (an h between them is not said) in one syllable or across two.
QString vowelTrait(const QStringList &syllables)
{
    QString word;
    QList<int> starts;
    for (const QString &s : syllables) {
        starts << int(word.size());
        word += s;
    }
    QString trait = QStringLiteral("ninguno");
    for (int i = 0; i + 1 < word.size(); ++i) {
        const int next = word[i + 1] == QLatin1Char('h') && i + 2 < word.size() ? i + 2 : i + 1;
        // The u of que, qui, gue, gui is written but not said.
        const bool silentU = word[i] == QLatin1Char('u') && i > 0 && QStringLiteral("qg").contains(word[i - 1])
                             && QStringLiteral("eéií").contains(word[next]);
        if (!isVowel(word[i]) || !isVowel(word[next]) || silentU)
            continue;
        if (std::any_of(starts.begin(), starts.end(), [&](int s) { return s > i && s <= next; }))
            return QStringLiteral("hiato");
        trait = QStringLiteral("diptongo");
    }
    return trait;
}

// Which traits vary enough in a list to give answers away by a pattern.
QList<bool> varyingTraits(const QList<QStringList> &lines)
{
    QList<bool> varying;
    for (qsizetype t = 0; !lines.isEmpty() && t < lines.first().size(); ++t) {
        QHash<QString, int> count;
        for (const QStringList &line : lines)
            ++count[line[t]];
        varying << (*std::max_element(count.cbegin(), count.cend()) * 10 <= lines.size() * 7);
    }
    return varying;
}

// A run of more than three, or a period of two or three lines kept for three periods.
bool hasPattern(const QList<QStringList> &lines, const QList<bool> &varying)
{
    for (qsizetype t = 0; t < varying.size(); ++t) {
        if (!varying[t])
            continue;
        for (const int period : {1, 2, 3}) {
            const int limit = period == 1 ? 3 : 2 * period;  // repeats allowed after the first period
            int repeats = 0;
            for (qsizetype i = period; i < lines.size(); ++i) {
                repeats = lines[i][t] == lines[i - period][t] ? repeats + 1 : 0;
                if (repeats >= limit)
                    return true;
            }
        }
    }
    return false;
}

} // namespace

QList<Section> readWordList(const QString &text, QString *error)
{
    QList<Section> sections;
    for (const QString &raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype end = line.indexOf(QLatin1Char(']'));
            sections.append(Section{line.mid(1, end - 1), line.mid(end + 1).trimmed() == QLatin1String("mixed"), {{}}});
            continue;
        }
        if (sections.isEmpty()) {
            if (line.isEmpty())
                continue;
            *error = QStringLiteral("word before the first [section]: %1").arg(line);
            return {};
        }
        QList<QList<Unit>> &paragraphs = sections.last().paragraphs;
        if (line.isEmpty()) {
            if (!paragraphs.last().isEmpty())
                paragraphs.append(QList<Unit>());
            continue;
        }
        // "word: sentence", or words separated by spaces, "/" joining those kept together.
        if (const qsizetype colon = line.indexOf(QLatin1Char(':')); colon >= 0) {
            paragraphs.last().append(Unit{Entry{syllablesOf(line.left(colon)), line.mid(colon + 1).trimmed()}});
            continue;
        }
        for (const QString &token : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            Unit unit;
            for (const QString &word : token.split(QLatin1Char('/')))
                unit.append(Entry{syllablesOf(word), {}});
            paragraphs.last().append(unit);
        }
    }
    return sections;
}

QStringList traitsOf(const QStringList &syllables, int stressed)
{
    const auto fromEnd = syllables.size() - stressed;
    static const QStringList kinds{QStringLiteral("aguda"), QStringLiteral("llana"), QStringLiteral("esdrújula")};
    const QString kind = syllables.size() == 1 ? QStringLiteral("monosílabo")
                         : fromEnd <= 3       ? kinds[fromEnd - 1]
                                              : QStringLiteral("sobresdrújula");
    const QString joined = syllables.join(QString());
    const bool accent = std::any_of(joined.begin(), joined.end(), tildora::isAccentedVowel);
    return {kind, accent ? QStringLiteral("tilde") : QStringLiteral("NO"), QString::number(fromEnd),
            vowelTrait(syllables)};
}

QList<Entry> orderedEntries(const Section &section, QString *error)
{
    QList<Entry> entries;
    QList<QStringList> traits;
    const auto add = [&](const Unit &unit) {
        for (const Entry &e : unit) {
            entries << e;
            traits << traitsOf(e.syllables, tildora::stressedSyllableIndex(e.syllables));
        }
    };
    for (const QList<Unit> &paragraph : section.paragraphs)
        for (const Unit &unit : paragraph)
            add(unit);
    if (!section.mixed)
        return entries;

    const QList<bool> varying = varyingTraits(traits);
    // The standard fixes mt19937's numbers, so every machine draws the same orders.
    std::mt19937 random(20240);
    entries.clear();
    traits.clear();
    for (QList<Unit> paragraph : section.paragraphs) {
        const qsizetype kept = entries.size();
        for (int attempt = 0;; ++attempt) {
            if (attempt == 200000) {
                *error = QStringLiteral("%1: no order without a pattern").arg(section.name);
                return {};
            }
            for (qsizetype i = paragraph.size() - 1; i > 0; --i)
                std::swap(paragraph[i], paragraph[qsizetype(random() % std::uint32_t(i + 1))]);
            entries.resize(kept);
            traits.resize(kept);
            for (const Unit &unit : paragraph)
                add(unit);
            if (!hasPattern(traits, varying))
                break;
        }
    }
    return entries;
}

} // namespace contentgen
