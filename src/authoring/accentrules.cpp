#include "authoring/accentrules.h"

#include "authoring/linecheck.h"
#include "authoring/stress.h"
#include "authoring/syllables.h"

#include <QCoreApplication>

#include <algorithm>

namespace tildora {
namespace {

// Context of this file's messages for the translations.
struct AccentRules { Q_DECLARE_TR_FUNCTIONS(tildora::AccentRules) };

bool isPlainVowel(QChar c)
{
    switch (c.toLower().unicode()) {
    case u'a': case u'e': case u'i': case u'o': case u'u': case u'ü':
        return true;
    default:
        return false;
    }
}

} // namespace

bool endsLikeALlana(QStringView lastSyllable)
{
    if (lastSyllable.isEmpty())
        return false;
    const QChar end = lastSyllable.back();
    if (isPlainVowel(end))
        return true;
    const char16_t letter = end.toLower().unicode();
    return (letter == u'n' || letter == u's') && lastSyllable.size() >= 2
           && isPlainVowel(lastSyllable.at(lastSyllable.size() - 2));
}

int adverbStemSyllables(const QStringList &syllables)
{
    const qsizetype n = syllables.size();
    if (n < 3 || syllables[n - 2].compare(u"men", Qt::CaseInsensitive) != 0
        || syllables[n - 1].compare(u"te", Qt::CaseInsensitive) != 0)
        return 0;
    const QString stem = withoutWrittenAccent(syllables.mid(0, n - 2).join(QString())).toLower();
    if (stem.isEmpty())
        return 0;
    const QChar last = stem.back();
    // Adjectives give their adverb the feminine (lenta-), or end in e or a
    // consonant (breve-, fácil-); one syllable only in l (cruel-, fiel-, vil-,
    // tal-). Words that end alike (la-mente, au-mente, ali-mente, docu-mente,
    // fer-mente) do not; the few that would are listed.
    if (n == 3 ? last != u'l' : last == u'i' || last == u'o' || last == u'u')
        return 0;
    static const QStringList alike{QStringLiteral("imple"), QStringLiteral("comple"), QStringLiteral("suple"),
                                   QStringLiteral("incre"), QStringLiteral("decre"),  QStringLiteral("vehe"),
                                   QStringLiteral("incle"), QStringLiteral("regla"),  QStringLiteral("orna"),
                                   QStringLiteral("ator")};
    return alike.contains(stem) ? 0 : int(n - 2);
}

std::optional<Respelling> outdatedAccent(QStringView word)
{
    if (std::none_of(word.begin(), word.end(), isAccentedVowel) || syllableStarts(word).size() != 1)
        return std::nullopt;
    const QString lower = word.toString().toLower();
    static const QStringList diacritic{QStringLiteral("él"),  QStringLiteral("tú"),    QStringLiteral("mí"),
                                       QStringLiteral("sí"),  QStringLiteral("sé"),    QStringLiteral("té"),
                                       QStringLiteral("dé"),  QStringLiteral("más"),   QStringLiteral("qué"),
                                       QStringLiteral("quién"), QStringLiteral("cuál"), QStringLiteral("cuán")};
    if (diacritic.contains(lower))
        return std::nullopt;
    Respelling right;
    right.word = withoutWrittenAccent(word);
    // Vowels that meet in one syllable could be said apart, and were written
    // so until 2010 (gui-ón); fue, fui, dio, vio and pie lost theirs long before.
    static const QStringList before2010{QStringLiteral("fue"), QStringLiteral("fui"), QStringLiteral("dio"),
                                        QStringLiteral("vio"), QStringLiteral("pie")};
    const int vowels = int(std::count_if(lower.cbegin(), lower.cend(),
                                         [](QChar c) { return isPlainVowel(c) || isAccentedVowel(c); }));
    right.why = vowels > 1 && !before2010.contains(withoutWrittenAccent(lower))
                    ? AccentRules::tr("«%1» is written «%2» since 2010: one syllable for writing")
                          .arg(word.toString(), right.word)
                    : AccentRules::tr("«%1» is written «%2»: a word of one syllable takes no written accent")
                          .arg(word.toString(), right.word);
    return right;
}

} // namespace tildora
