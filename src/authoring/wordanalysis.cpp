#include "authoring/wordanalysis.h"

#include "authoring/accentrules.h"
#include "authoring/stress.h"
#include "authoring/syllables.h"
#include "content/exerciseline.h"

namespace tildora {

WordAnalysis analyseLine(QStringView line)
{
    WordAnalysis a;
    const ExerciseLine fields = splitExerciseLine(line);
    if (fields.closedFields < 4 || fields.word.isEmpty())
        return a;
    bool ok = false;
    const int position = fields.position.trimmed().toInt(&ok);
    if (!ok || position < 1 || position > fields.word.size())
        return a;
    a.readable = true;
    a.takesTilde = !isNoAccentMarker(fields.accent.toString());
    a.written = withWrittenAccent(fields.word, position, fields.accent);
    const std::vector<int> starts = syllableStarts(a.written);
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const int begin = starts[i];
        const int end = i + 1 < starts.size() ? starts[i + 1] : int(a.written.size());
        a.syllables << a.written.mid(begin, end - begin);
        if (position - 1 >= begin && position - 1 < end)
            a.stressed = int(i);
    }
    if (a.stressed < 0)
        return a;
    const int fromEnd = int(a.syllables.size()) - a.stressed;
    if (adverbStemSyllables(a.syllables) > 0)
        a.kind = WordAnalysis::AdverbioEnMente;
    else if (a.syllables.size() == 1)
        a.kind = WordAnalysis::Monosilabo;
    else if (fromEnd == 1)
        a.kind = WordAnalysis::Aguda;
    else if (fromEnd == 2)
        a.kind = WordAnalysis::Llana;
    else if (fromEnd == 3)
        a.kind = WordAnalysis::Esdrujula;
    else
        a.kind = WordAnalysis::Sobresdrujula;
    return a;
}

QString kindName(WordAnalysis::Kind kind)
{
    switch (kind) {
    case WordAnalysis::Monosilabo: return QStringLiteral("monosílaba");
    case WordAnalysis::Aguda: return QStringLiteral("aguda");
    case WordAnalysis::Llana: return QStringLiteral("llana");
    case WordAnalysis::Esdrujula: return QStringLiteral("esdrújula");
    case WordAnalysis::Sobresdrujula: return QStringLiteral("sobresdrújula");
    case WordAnalysis::AdverbioEnMente: return QStringLiteral("adverbio en -mente");
    case WordAnalysis::Unknown: break;
    }
    return {};
}

QString markedSyllables(const WordAnalysis &analysis)
{
    QStringList parts = analysis.syllables;
    if (analysis.stressed >= 0 && analysis.stressed < parts.size())
        parts[analysis.stressed] = parts[analysis.stressed].toUpper();
    return parts.join(QChar(u'·'));
}

} // namespace tildora
