#include "authoring/linecheck.h"

#include "content/exerciseline.h"
#include <QCoreApplication>

namespace tildora {
namespace {
// Context of this file's messages for the translations.
struct LineCheck { Q_DECLARE_TR_FUNCTIONS(tildora::LineCheck) };
} // namespace

QChar accentedVowel(QChar vowel)
{
    switch (vowel.unicode()) {
    case u'a': return QChar(u'á');
    case u'e': return QChar(u'é');
    case u'i': return QChar(u'í');
    case u'o': return QChar(u'ó');
    case u'u': return QChar(u'ú');
    case u'A': return QChar(u'Á');
    case u'E': return QChar(u'É');
    case u'I': return QChar(u'Í');
    case u'O': return QChar(u'Ó');
    case u'U': return QChar(u'Ú');
    default: return QChar();
    }
}

bool isAccentedVowel(QChar c)
{
    switch (c.unicode()) {
    case u'á': case u'é': case u'í': case u'ó': case u'ú':
    case u'Á': case u'É': case u'Í': case u'Ó': case u'Ú':
        return true;
    default:
        return false;
    }
}

QString wordLengthProblem(QStringView word)
{
    if (word.size() <= MaxWordLetters)
        return {};
    return LineCheck::tr("a word of %n letters is longer than any real word (%1 at most)", nullptr, int(word.size()))
        .arg(MaxWordLetters);
}

QString shownWord(QStringView word)
{
    return word.size() <= MaxWordLetters ? word.toString() : word.left(MaxWordLetters).toString() + u'…';
}

QList<LineProblem> checkExerciseLine(QStringView line)
{
    QList<LineProblem> problems;
    const auto error = [&](const QString &message) { problems.append({LineProblem::Error, message}); };
    const ExerciseLine fields = splitExerciseLine(line);
    if (fields.closedFields < 4) {
        error(LineCheck::tr("fewer than four fields (each field ends with a comma)"));
        return problems;
    }
    const QStringView word = fields.word;
    if (const QString tooLong = wordLengthProblem(word); !tooLong.isEmpty()) {
        error(tooLong);
        return problems;
    }
    for (const QChar c : word) {
        if (isAccentedVowel(c))
            error(LineCheck::tr("the word has the accented vowel '%1'; write it without its accent").arg(c));
    }

    const QStringView digits = fields.position.trimmed();
    bool whole = !digits.isEmpty() && digits.size() <= 9;
    for (const QChar c : digits)
        whole = whole && c >= u'0' && c <= u'9';
    if (!whole) {
        error(LineCheck::tr("position \"%1\" is not a whole number").arg(fields.position));
        return problems;
    }
    const int position = digits.toInt();
    if (position < 1 || position > word.size()) {
        error(LineCheck::tr("position %1 is outside the word (1 to %2)")
                  .arg(QString::number(position), QString::number(word.size())));
        return problems;
    }
    const QChar vowel = word[position - 1];
    if (accentedVowel(vowel).isNull()) {
        error(LineCheck::tr("position %1 is '%2', not a vowel").arg(QString::number(position), vowel));
        return problems;
    }

    const QStringView syllable = fields.syllable;
    if (syllable.isEmpty() || !word.contains(syllable)) {
        error(LineCheck::tr("stressed syllable \"%1\" is not in the word").arg(syllable));
    } else {
        const int start = markedSyllableStart(word, syllable, position);
        const int end = start + int(syllable.size()) - 1;
        if (start < 1 || position < start || position > end)
            error(LineCheck::tr("the marked \"%1\" (letters %2 to %3) does not hold position %4")
                      .arg(syllable.toString(), QString::number(start), QString::number(end), QString::number(position)));
    }

    if (!isNoAccentMarker(fields.accent.toString()) && fields.accent != QStringView(QString(accentedVowel(vowel))))
        error(LineCheck::tr("accent \"%1\" is neither NO nor '%2', the accented '%3'")
                  .arg(fields.accent.toString(), accentedVowel(vowel), vowel));
    return problems;
}

} // namespace tildora
