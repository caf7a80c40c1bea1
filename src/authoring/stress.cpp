#include "authoring/stress.h"

#include "authoring/accentrules.h"
#include "authoring/linecheck.h"
#include "authoring/syllables.h"
#include "content/exerciseline.h"

#include <algorithm>
#include <QCoreApplication>

namespace tildora {
namespace {
// Context of this file's messages for the translations.
struct Stress { Q_DECLARE_TR_FUNCTIONS(tildora::Stress) };
} // namespace

namespace {

// Switches rather than searches: these run for every letter of every word.
QChar plainVowel(QChar c)
{
    switch (c.unicode()) {
    case u'á': return QChar(u'a');
    case u'é': return QChar(u'e');
    case u'í': return QChar(u'i');
    case u'ó': return QChar(u'o');
    case u'ú': return QChar(u'u');
    case u'Á': return QChar(u'A');
    case u'É': return QChar(u'E');
    case u'Í': return QChar(u'I');
    case u'Ó': return QChar(u'O');
    case u'Ú': return QChar(u'U');
    default: return c;
    }
}

bool isStrong(QChar c)
{
    switch (c.unicode()) {
    case u'a': case u'e': case u'o': case u'A': case u'E': case u'O':
        return true;
    default:
        return false;
    }
}

bool isWeak(QChar c)
{
    switch (c.unicode()) {
    case u'i': case u'u': case u'ü': case u'I': case u'U': case u'Ü':
        return true;
    default:
        return false;
    }
}

} // namespace

QString withoutWrittenAccent(QStringView word)
{
    QString plain(word.size(), Qt::Uninitialized);
    std::transform(word.begin(), word.end(), plain.begin(), plainVowel);
    return plain;
}

int stressedSyllableIndex(const QStringList &syllables)
{
    for (int i = 0; i < syllables.size(); ++i)
        for (const QChar c : syllables[i])
            if (isAccentedVowel(c))
                return i;
    // An adverb in -mente is read by its adjective's syllables.
    const int stem = adverbStemSyllables(syllables);
    const int count = stem > 0 ? stem : int(syllables.size());
    if (count < 2)
        return 0;
    return endsLikeALlana(syllables[count - 1]) ? count - 2 : count - 1;
}

int stressedVowelIndex(QStringView syllable)
{
    int strong = -1;
    int lastWeak = -1;
    for (int i = 0; i < syllable.size(); ++i) {
        const QChar c = syllable[i];
        if (isAccentedVowel(c))
            return i;
        if (strong < 0 && isStrong(c))
            strong = i;
        if (isWeak(c))
            lastWeak = i;
    }
    return strong >= 0 ? strong : lastWeak;
}

std::optional<ExerciseItem> itemFromSyllables(const QStringList &syllables, QString *why)
{
    const auto fail = [&](const QString &reason) -> std::optional<ExerciseItem> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (syllables.isEmpty())
        return fail(Stress::tr("no syllables"));
    const int stressed = stressedSyllableIndex(syllables);
    const int vowel = stressedVowelIndex(syllables[stressed]);
    if (vowel < 0)
        return fail(Stress::tr("the stressed syllable \"%1\" has no vowel").arg(syllables[stressed]));

    const QChar written = syllables[stressed][vowel];
    if (!isAccentedVowel(written) && accentedVowel(written).isNull())
        return fail(Stress::tr("the stressed vowel '%1' cannot take a written accent").arg(written));

    ExerciseItem item;
    int offset = 0;
    for (int i = 0; i < stressed; ++i)
        offset += int(syllables[i].size());
    item.word = withoutWrittenAccent(syllables.join(QString()));
    item.position = offset + vowel + 1;
    item.syllable = withoutWrittenAccent(syllables[stressed]);
    // A word of one syllable takes no written accent by the general rules
    // (quien, fue, guion); one typed with its accent (quién, él) keeps it.
    item.accent = isAccentedVowel(written) ? QString(written) : QStringLiteral("NO");
    if (item.position > 255)
        return fail(Stress::tr("the stressed vowel lies past letter 255"));
    const int start = markedSyllableStart(item.word, item.syllable, item.position);
    if (start < 1 || start + item.syllable.size() - 1 < item.position || start > item.position)
        return fail(Stress::tr("\"%1\" occurs too often in \"%2\": the marked one would not hold the stressed vowel")
                        .arg(item.syllable, item.word));
    return item;
}

std::optional<ExerciseItem> itemFromWord(QStringView word, QString *why)
{
    if (const QString tooLong = wordLengthProblem(word); !tooLong.isEmpty()) {
        if (why)
            *why = tooLong;
        return std::nullopt;
    }
    for (const QChar c : word) {
        if (!c.isLetter()) {
            if (why)
                *why = Stress::tr("'%1' is not a letter").arg(c);
            return std::nullopt;
        }
    }
    return itemFromSyllables(syllabify(word), why);
}

QString withWrittenAccent(QStringView word, int position, QStringView accent)
{
    QString written = word.toString();
    if (position >= 1 && position <= word.size() && !isNoAccentMarker(accent.toString()))
        written.replace(position - 1, 1, accent.toString());
    return written;
}

} // namespace tildora
