#include "window/recordpanel.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace tildora {

RecordPanel::RecordPanel(QTextEdit *edit) : m_edit(edit) {}

int RecordPanel::length() const
{
    return m_edit->document()->characterCount() - 1;  // the document's closing mark is no text
}

void RecordPanel::select(int start, int length)
{
    const int total = this->length();
    m_start = std::clamp(start, 0, total);
    m_length = std::clamp(length, 0, total - m_start);
    m_color.reset();
}

void RecordPanel::setSelectionColor(const QColor &color)
{
    m_color = color;
}

void RecordPanel::replaceSelection(const QString &text)
{
    QTextCursor cursor(m_edit->document());
    cursor.setPosition(m_start);
    cursor.setPosition(m_start + m_length, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    if (m_color)
        format.setForeground(*m_color);
    else if (m_length > 0)
        format = cursor.charFormat();
    QString plain = text;
    plain.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    cursor.insertText(plain, format);
    m_start += int(plain.size());
    m_length = 0;
    m_color.reset();
    // Keep the newest answer in view.
    m_edit->verticalScrollBar()->setValue(m_edit->verticalScrollBar()->maximum());
}

QString RecordPanel::text() const
{
    return m_edit->toPlainText();
}

QColor RecordPanel::colorAt(int offset) const
{
    QTextCursor cursor(m_edit->document());
    cursor.setPosition(std::clamp(offset + 1, 0, length()));
    const QTextCharFormat format = cursor.charFormat();
    return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor();
}

void writeRecordLine(RecordPanel &panel, const QString &word, const std::optional<RecordStretch> &stretch,
                     const QColor &color)
{
    // A runaway word of a teacher's list is shown cut: laying out thousands
    // of letters at every press would hold the game up for minutes.
    constexpr int ShownLetters = 60;
    const bool cut = word.size() > ShownLetters;
    const QString shown = cut ? word.left(ShownLetters) + QChar(0x2026) : word;
    panel.select(panel.length(), 0);
    panel.replaceSelection(shown);
    const int wordStart = panel.length() - int(shown.size());
    if (stretch && stretch->start + stretch->length <= ShownLetters) {
        panel.select(wordStart + stretch->start, stretch->length);
        panel.setSelectionColor(color);
        panel.replaceSelection(stretch->text);
    }
    panel.select(panel.length(), 0);
    panel.replaceSelection(QStringLiteral("\n\r"));
}

} // namespace tildora
