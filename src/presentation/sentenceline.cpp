#include "presentation/sentenceline.h"

#include "content/exerciseline.h"

#include <QFontMetrics>

namespace tildora {

ShownSentence shownSentence(const CurrentItem &item)
{
    ShownSentence shown{item.Sentence};
    const WordInSentence at =
        findWordInSentence(item.Sentence, item.CurrentWord, item.AccentLetter, item.StressPosition);
    if (at.start < 0)
        return shown;
    shown.text.replace(at.start, at.length, withoutWrittenAccents(QStringView(item.Sentence).mid(at.start, at.length)));
    shown.wordStart = at.start;
    shown.wordLength = at.length;
    return shown;
}

QString sentenceMarkup(const ShownSentence &sentence)
{
    if (sentence.wordStart < 0)
        return sentence.text.toHtmlEscaped();
    return sentence.text.left(sentence.wordStart).toHtmlEscaped()
           + QStringLiteral("<span style=\"color:#0000ff; text-decoration:underline\">")
           + sentence.text.mid(sentence.wordStart, sentence.wordLength).toHtmlEscaped() + QStringLiteral("</span>")
           + sentence.text.mid(sentence.wordStart + sentence.wordLength).toHtmlEscaped();
}

QFont sentenceFont(const QString &text, const QFont &base, int width)
{
    QFont font = base;
    const double smallest = base.pointSizeF() * 2 / 3;
    while (font.pointSizeF() > smallest && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPointSizeF(font.pointSizeF() - 1);
    return font;
}

} // namespace tildora
