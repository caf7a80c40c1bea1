#include "authoring/syllables.h"

namespace tildora {
namespace {

enum class Kind : unsigned char { Consonant, H, Strong, WeakAccented, Weak };

struct Unit {
    int offset;   // first letter in the word
    int length;   // 1, or 2 for ch ll rr qu gu
    Kind kind;
    char16_t letter;  // the letter, lower case (first letter of a digraph)
};

bool isFrontVowel(char16_t c) { return c == u'e' || c == u'i' || c == u'é' || c == u'í'; }

Kind vowelKind(char16_t c)
{
    switch (c) {
    case u'a': case u'e': case u'o': case u'á': case u'é': case u'ó':
        return Kind::Strong;
    case u'í': case u'ú':
        return Kind::WeakAccented;
    case u'i': case u'u': case u'ü':
        return Kind::Weak;
    default:
        return Kind::Consonant;
    }
}

char16_t baseVowel(char16_t c)
{
    switch (c) {
    case u'á': return u'a';
    case u'é': return u'e';
    case u'í': return u'i';
    case u'ó': return u'o';
    case u'ú': case u'ü': return u'u';
    default: return c;
    }
}

bool isVowel(Kind k) { return k == Kind::Strong || k == Kind::WeakAccented || k == Kind::Weak; }

bool hiatus(const Unit &a, const Unit &b)
{
    if (a.kind == Kind::Strong && b.kind == Kind::Strong)
        return true;
    if ((a.kind == Kind::WeakAccented && b.kind == Kind::Strong) || (a.kind == Kind::Strong && b.kind == Kind::WeakAccented))
        return true;
    // The same vowel twice, accented or not: chi-i-ta, chi-í, le-er, cre-é, al-co-hol.
    return baseVowel(a.letter) == baseVowel(b.letter);
}

// True when the vowel at i makes a diphthong with the vowel after it; an h
// before such a vowel begins its syllable (ma-ri-hua-na), rather than
// joining the vowel before the h (prohi-bir, ahu-ma-do).
bool beginsDiphthong(const Unit *u, int n, int i)
{
    return i + 1 < n && isVowel(u[i + 1].kind) && !hiatus(u[i], u[i + 1]);
}

// Consonants that start a syllable together: pr br tr dr cr gr fr kr and
// pl bl cl gl fl kl (tl and dl part, as in at-las).
bool inseparable(const Unit &a, const Unit &b)
{
    if (a.length != 1 || b.length != 1 || a.kind != Kind::Consonant || b.kind != Kind::Consonant)
        return false;
    switch (a.letter) {
    case u'p': case u'b': case u't': case u'd': case u'c': case u'g': case u'f': case u'k':
        break;
    default:
        return false;
    }
    if (b.letter == u'r')
        return true;
    return b.letter == u'l' && a.letter != u't' && a.letter != u'd';
}

// The word as consonant and vowel units; at most 64 letters are cut, longer
// words keep the rest in their last syllable.
int units(QStringView word, Unit *out, int capacity)
{
    int n = 0;
    const int size = int(word.size());
    for (int i = 0; i < size && n < capacity;) {
        const char16_t c = word[i].toLower().unicode();
        const char16_t next = i + 1 < size ? word[i + 1].toLower().unicode() : u'\0';
        const char16_t after = i + 2 < size ? word[i + 2].toLower().unicode() : u'\0';
        Unit u{i, 1, vowelKind(c), c};
        if ((c == u'c' && next == u'h') || (c == u'l' && next == u'l') || (c == u'r' && next == u'r')
            || ((c == u'q' || c == u'g') && next == u'u' && isFrontVowel(after))) {
            u.length = 2;  // ch ll rr, and qu gu with a silent u
            u.kind = Kind::Consonant;
        } else if (c == u'h') {
            u.kind = Kind::H;
        } else if (c == u'y') {
            // A vowel only at the end of a word after a vowel (rey, muy), or alone.
            const bool last = i + 1 == size;
            const bool afterVowel = n > 0 && isVowel(out[n - 1].kind);
            u.kind = last && (afterVowel || size == 1) ? Kind::Weak : Kind::Consonant;
        }
        out[n++] = u;
        i += u.length;
    }
    return n;
}

} // namespace

std::vector<int> syllableStarts(QStringView word)
{
    constexpr int Capacity = 64;
    Unit u[Capacity];
    const int n = units(word, u, Capacity);
    std::vector<int> starts{0};

    // Walk from vowel group to vowel group; a group grows while the next
    // vowel, straight after or across an h, makes no hiatus with it.
    int previousGroupEnd = -1;  // unit index after the last group
    int i = 0;
    while (i < n) {
        if (!isVowel(u[i].kind)) {
            ++i;
            continue;
        }
        const int groupStart = i;
        int last = i;  // last vowel of the group
        int j = i + 1;
        while (j < n) {
            if (isVowel(u[j].kind) && !hiatus(u[last], u[j])) {
                last = j++;
            } else if (u[j].kind == Kind::H && j + 1 < n && isVowel(u[j + 1].kind) && !hiatus(u[last], u[j + 1])
                       && !beginsDiphthong(u, n, j + 1)) {
                last = j + 1;
                j += 2;
            } else {
                break;
            }
        }
        if (previousGroupEnd >= 0) {
            // Units between the groups: consonants (an h too).
            const int first = previousGroupEnd;
            const int count = groupStart - first;
            int cut = groupStart;  // unit that begins the new syllable
            if (count == 1)
                cut = first;
            else if (count >= 2)
                cut = inseparable(u[groupStart - 2], u[groupStart - 1]) ? groupStart - 2 : groupStart - 1;
            if (count == 2 && inseparable(u[first], u[first + 1]))
                cut = first;
            starts.push_back(u[cut].offset);
        }
        previousGroupEnd = last + 1;
        i = last + 1;
    }
    return starts;
}

QStringList syllabify(QStringView word)
{
    const std::vector<int> starts = syllableStarts(word);
    QStringList syllables;
    syllables.reserve(qsizetype(starts.size()));
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const int end = k + 1 < starts.size() ? starts[k + 1] : int(word.size());
        syllables << word.mid(starts[k], end - starts[k]).toString();
    }
    return syllables;
}

} // namespace tildora
