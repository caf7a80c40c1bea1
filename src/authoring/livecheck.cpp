#include "authoring/livecheck.h"

#include "authoring/accentrules.h"
#include "authoring/dictionary.h"
#include "authoring/stress.h"
#include "authoring/syllables.h"
#include "authoring/wordvoices.h"
#include "content/contentlocator.h"
#include "content/exerciseline.h"

#include <QCoreApplication>

namespace tildora {
namespace {

// Pixels the child's window (739 wide) leaves for a word's letters: a wider
// word is cut off at both ends, where a child cannot press it.
constexpr int StripRoom = 720;

// Context of the check's messages for the translations.
struct CheckText { Q_DECLARE_TR_FUNCTIONS(tildora::LiveCheck) };

LineProblem warning(const QString &message) { return {LineProblem::Warning, message}; }
LineProblem error(const QString &message) { return {LineProblem::Error, message}; }

// The longest sentence the window's slip shows whole. It writes a sentence in
// Arial Bold (Liberation Sans Bold here) from 16 pt down to 10 pt in 707
// pixels: measured, that holds 63 characters of mixed text at 16 pt, and at
// 10 pt 114 of lower-case text and 92 of capitals with accents.
constexpr qsizetype LongestSentence = 90;

// What the fifth field of a sound line says to the child, or why it says nothing.
QList<LineProblem> sentenceProblems(const ExerciseLine &fields, int position, const QString &written)
{
    const QStringView field = fifthField(fields);
    if (field.isEmpty())
        return {};
    const QString sentence = lineSentence(fields);
    if (sentence.isEmpty())
        return {warning(CheckText::tr("the text after the fourth comma does not hold «%1» as a word of its own: "
                                      "Tildora ignores it")
                            .arg(written))};
    QList<LineProblem> problems;
    if (sentence.size() > LongestSentence)
        problems << warning(CheckText::tr("the sentence has %1 characters, and the window shows %2 at most: "
                                          "shorten it")
                                .arg(QString::number(sentence.size()), QString::number(LongestSentence)));
    // The sentence is shown without the word's accent, but it should not teach a wrong one.
    const WordInSentence at = findWordInSentence(sentence, fields.word, fields.accent, position);
    if (const QString spelled = sentence.mid(at.start, at.length); spelled.compare(written, Qt::CaseInsensitive) != 0)
        problems << warning(CheckText::tr("the sentence writes «%1», not «%2»: is a written accent wrong?")
                                .arg(spelled, written));
    return problems;
}

// Does a sound line agree with the accent rules for its word as written?
QList<LineProblem> ruleProblems(const ExerciseLine &fields, int position, const QString &written)
{
    if (const auto right = outdatedAccent(written))
        return {warning(right->why)};
    // An adverb in -mente without a written accent is stressed on men too (lentamente).
    if (position == written.size() - 3 && fields.syllable == u"men" && isNoAccentMarker(fields.accent.toString())
        && adverbStemSyllables(syllabify(written)) > 0)
        return {};
    QString why;
    const auto expected = itemFromWord(written, &why);
    if (!expected)
        return {warning(CheckText::tr("«%1» cannot be cut into syllables: %2").arg(written, why))};
    if (expected->position != position)
        return {warning(CheckText::tr("by the accent rules «%1» is stressed on letter %2 ('%3'), not on letter %4: "
                                      "is a written accent missing or wrong?")
                            .arg(written, QString::number(expected->position), fields.word.mid(expected->position - 1, 1),
                                 QString::number(position)))};
    if (expected->syllable != fields.syllable)
        return {warning(CheckText::tr("by the syllable rules the stressed syllable of «%1» is \"%2\", not \"%3\"")
                            .arg(written, expected->syllable, fields.syllable))};
    return {};
}

} // namespace

bool CheckedLine::hasError() const
{
    for (const LineProblem &p : problems)
        if (p.severity == LineProblem::Error)
            return true;
    return false;
}

void LiveCheck::setContent(const ContentLocator *content)
{
    m_content.setContent(content);
    m_lines.clear();
}

void LiveCheck::setDictionary(const SpanishDictionary *dictionary)
{
    m_dictionary = dictionary;
    m_lines.clear();
    m_suggestions.clear();
}

void LiveCheck::setRecordingHint(const QString &hint)
{
    m_recordingHint = hint;
    m_lines.clear();
}

QString LiveCheck::unknownWordMessage(const QString &written, const QStringList &suggestions)
{
    return suggestions.isEmpty()
               ? CheckText::tr("«%1» is not in the Spanish dictionary").arg(written)
               : CheckText::tr("«%1» is not in the Spanish dictionary; did you mean %2?")
                     .arg(written, suggestions.join(QStringLiteral(", ")));
}

QList<LineProblem> LiveCheck::contentProblems(QStringView word, QStringView accent, const QString &sentence)
{
    QList<LineProblem> problems;
    QString reported;
    int width = 0;
    for (const QChar c : word) {
        width += m_content.letterPictureWidth(c);
        if (reported.contains(c))
            continue;
        reported += c;
        if (!m_content.hasLetterPicture(c))
            problems << error(CheckText::tr("no letter picture %1/%2.gif")
                                  .arg(ContentLocator::folderName(ContentFolder::Letters), c));
    }
    if (width > StripRoom)
        problems << warning(CheckText::tr("«%1» is %2 pixels wide, wider than the %3 the child's window has for "
                                          "letters: its first and last letters are cut off; choose a shorter word")
                                .arg(word, QString::number(width), QString::number(StripRoom)));
    const QString accentLetter = accent.toString();
    // An empty field is told by the line check; it names no picture.
    if (!accentLetter.isEmpty() && !isNoAccentMarker(accentLetter) && !m_content.hasAccentedLetterPicture(accentLetter))
        problems << error(CheckText::tr("no accented-letter picture %1/%2.gif")
                              .arg(ContentLocator::folderName(ContentFolder::AccentedLetters), accentLetter));
    const QString advice =
        m_recordingHint.isEmpty() ? CheckText::tr("tildora-author record makes it") : m_recordingHint;
    // A line with a sentence is heard as its sentence; the word's recording only stands in for it.
    if (!sentence.isEmpty()) {
        if (!m_content.hasSentenceRecording(word.toString(), sentence))
            problems << warning(CheckText::tr("no recording of the sentence, %1/%2.wav (%3)")
                                    .arg(ContentLocator::folderName(ContentFolder::SentenceSounds),
                                         ContentLocator::sentenceRecordingName(word.toString(), sentence), advice));
    } else if (!m_content.hasRecording(word.toString())) {
        problems << warning(CheckText::tr("no recording %1/%2.wav (%3)")
                                .arg(ContentLocator::folderName(ContentFolder::WordSounds), word, advice));
    }
    return problems;
}

const CheckedLine &LiveCheck::lineOnItsOwn(const QString &line)
{
    if (const auto known = m_lines.constFind(line); known != m_lines.constEnd())
        return *known;
    CheckedLine checked;
    const ExerciseLine fields = splitExerciseLine(line);
    if (line.trimmed().isEmpty()) {  // blanks alone change nothing either
        checked.problems << warning(CheckText::tr("empty line: Tildora shows the previous word again"));
    } else {
        const QList<LineProblem> structure = checkExerciseLine(line);
        checked.problems << structure;
        // A runaway word is told once, by the line check, and looked at no further.
        if (fields.closedFields >= 4 && m_content.content() && wordLengthProblem(fields.word).isEmpty())
            checked.problems << contentProblems(fields.word, fields.accent, lineSentence(fields));
        // The rules, the sentence and the dictionary need a sound line.
        if (structure.isEmpty()) {
            const int position = fields.position.trimmed().toInt();
            checked.written = withWrittenAccent(fields.word, position, fields.accent);
            checked.problems << ruleProblems(fields, position, checked.written);
            checked.problems << sentenceProblems(fields, position, checked.written);
            if (m_dictionary && m_dictionary->isOpen() && !m_dictionary->knows(checked.written)) {
                checked.unknownWord = true;
                checked.problems << warning(unknownWordMessage(checked.written, {}));
            }
        }
    }
    // Pasting a long list of new words must not grow this without end.
    if (m_lines.size() > 100000)
        m_lines.clear();
    return *m_lines.insert(line, checked);
}

QList<CheckedLine> LiveCheck::check(const QStringList &lines)
{
    // Recordings come and go as the teacher makes them.
    if (m_content.refreshRecordings())
        m_lines.clear();
    QList<CheckedLine> result;
    result.reserve(lines.size());
    QHash<QString, int> firstLine;
    firstLine.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        CheckedLine checked = lineOnItsOwn(lines.at(i));
        const ExerciseLine fields = splitExerciseLine(lines.at(i));
        if (fields.closedFields >= 4) {
            // The same word: término and terminó are two words on one recording,
            // told below; one word with different sentences (tú and tu) is no
            // repeat either.
            const QString word = checked.written.isEmpty() ? fields.word.toString() : checked.written;
            const QString key = word + QLatin1Char(',') + lineSentence(fields);
            if (const auto seen = firstLine.constFind(key); seen != firstLine.constEnd())
                checked.problems.prepend(
                    warning(CheckText::tr("«%1» is already on line %2").arg(word, QString::number(*seen))));
            else
                firstLine.insert(key, int(i) + 1);
        }
        result << checked;
    }
    for (const SharedRecording &shared : sharedRecordings(lines)) {
        const QString message = CheckText::tr("the child hears the same recording for «%1» and «%2»")
                                    .arg(shared.written.mid(0, shared.written.size() - 1).join(QStringLiteral("», «")),
                                         shared.written.last());
        for (const int line : shared.lines)
            result[line].problems.prepend(warning(message));
    }
    return result;
}

QStringList LiveCheck::suggestions(const QString &line)
{
    if (!m_dictionary || !m_dictionary->isOpen())
        return {};
    const QString written = lineOnItsOwn(line).written;
    if (written.isEmpty())
        return {};
    if (const auto known = m_suggestions.constFind(written); known != m_suggestions.constEnd())
        return *known;
    return *m_suggestions.insert(written, m_dictionary->suggestions(written));
}

} // namespace tildora
