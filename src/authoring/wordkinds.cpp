#include "authoring/wordkinds.h"

#include "authoring/stress.h"
#include "authoring/wordanalysis.h"
#include "content/exercisewriter.h"
#include "content/exerciseline.h"

#include <QSet>

namespace tildora {
namespace {

bool isVowel(QChar c) { return QStringView(u"aeiouáéíóúü").contains(c); }

// Two vowels in one syllable, but not the silent u of que, qui, gue, gui;
// a final y after a vowel sounds as one (rey, muy).
bool hasDiphthong(const QStringList &syllables)
{
    for (const QString &s : syllables) {
        for (qsizetype i = 0; i + 1 < s.size(); ++i) {
            const bool silentU = s[i] == u'u' && i > 0 && (s[i - 1] == u'q' || s[i - 1] == u'g')
                && QStringView(u"eéií").contains(s[i + 1]);
            if (isVowel(s[i]) && (isVowel(s[i + 1]) || (s[i + 1] == u'y' && i + 2 == s.size())) && !silentU)
                return true;
        }
    }
    return false;
}

// Two vowels side by side in two syllables.
bool hasHiatus(const QStringList &syllables)
{
    for (qsizetype i = 0; i + 1 < syllables.size(); ++i)
        if (!syllables[i].isEmpty() && !syllables[i + 1].isEmpty() && isVowel(syllables[i].back())
            && isVowel(syllables[i + 1].front()))
            return true;
    return false;
}

} // namespace

QString wordGroupName(int group)
{
    static const char16_t *const names[] = {u"aguda", u"llana", u"esdrújula", u"sobresdrújula", u"monosílaba",
                                            u"con tilde", u"sin tilde", u"con diptongo", u"con hiato"};
    return group >= 0 && group < WordGroupCount ? QString::fromUtf16(names[group]) : QString();
}

quint32 wordGroupsOf(const QString &written)
{
    const std::optional<ExerciseItem> item = itemFromWord(written.toLower());
    if (!item)
        return 0;
    const WordAnalysis a = analyseLine(formatExerciseLine(*item));
    quint32 groups = 0;
    switch (a.kind) {
    case WordAnalysis::Aguda: groups = 1u << AgudaGroup; break;
    case WordAnalysis::Llana: groups = 1u << LlanaGroup; break;
    case WordAnalysis::Esdrujula: groups = 1u << EsdrujulaGroup; break;
    case WordAnalysis::Sobresdrujula: groups = 1u << SobresdrujulaGroup; break;
    case WordAnalysis::Monosilabo: groups = 1u << MonosilabaGroup; break;
    default: return 0;
    }
    groups |= 1u << (a.takesTilde ? WithAccentGroup : WithoutAccentGroup);
    if (hasDiphthong(a.syllables))
        groups |= 1u << DiphthongGroup;
    if (hasHiatus(a.syllables))
        groups |= 1u << HiatusGroup;
    return groups;
}

QString writtenWord(const QString &word, const QString &written, const QHash<QString, QString> &lines)
{
    if (!written.isEmpty())
        return written;
    const auto line = lines.constFind(word);
    if (line == lines.cend())
        return word;
    const ExerciseLine fields = splitExerciseLine(*line);
    return withWrittenAccent(fields.word, fields.position.trimmed().toInt(), fields.accent);
}

ResultWords resultWords(const AnswerSet &set, const QHash<QString, QString> &lines)
{
    ResultWords out;
    QHash<QString, quint32> known;
    for (const AnsweredWord &w : set.words) {
        const QString shown = writtenWord(set.text(w.word), set.text(w.written), lines);
        auto groups = known.constFind(shown);
        if (groups == known.cend())
            groups = known.insert(shown, wordGroupsOf(shown));
        out.shown << shown;
        out.groups << *groups;
    }
    return out;
}

QStringList answeredFiles(const AnswerSet &set)
{
    QSet<qint32> ids;
    set.forEach([&](const Answer &a) { ids.insert(a.file); });
    QStringList files;
    for (const qint32 id : std::as_const(ids))
        files << set.text(id);
    files.sort();
    return files;
}

} // namespace tildora
