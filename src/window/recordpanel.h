#pragma once

#include "answering/record.h"

#include <QColor>
#include <QString>

#include <optional>

class QTextEdit;

namespace tildora {

// The record panel, with the only operations the answers use. A line break
// (line feed then carriage return, or either alone) is one character and one
// line on screen, so every offset counts the way length() does. Selections
// outside the text are cut to it.
class RecordPanel
{
public:
    explicit RecordPanel(QTextEdit *edit);

    int length() const;
    void select(int start, int length);
    void setSelectionColor(const QColor &color);
    // Writes text in place of the selection (inserts it when empty), in the
    // selection's colour when one was set, else in the panel's own colour.
    void replaceSelection(const QString &text);

    QString text() const;                 // line breaks as '\n'
    QColor colorAt(int offset) const;     // invalid for the panel's own colour

private:
    QTextEdit *m_edit;
    int m_start = 0;
    int m_length = 0;
    std::optional<QColor> m_color;
};

// Appends the word, colours its stretch, ends the line.
void writeRecordLine(RecordPanel &panel, const QString &word, const std::optional<RecordStretch> &stretch,
                     const QColor &color);

} // namespace tildora
