#pragma once

#include <QStringList>
#include <QUndoCommand>

namespace tildora {

class WordListModel;

// The undoable changes of a word list, one class each.

// One line replaced by another.
class EditLineCommand : public QUndoCommand
{
public:
    EditLineCommand(WordListModel *model, int row, QString line);
    void redo() override;
    void undo() override;

private:
    WordListModel *m_model;
    int m_row;
    QString m_before;
    QString m_after;
};

// Lines inserted at a row.
class InsertLinesCommand : public QUndoCommand
{
public:
    InsertLinesCommand(WordListModel *model, int row, QStringList lines, const QString &text);
    void redo() override;
    void undo() override;

private:
    WordListModel *m_model;
    int m_row;
    QStringList m_lines;
};

// Lines removed from a row on.
class RemoveLinesCommand : public QUndoCommand
{
public:
    RemoveLinesCommand(WordListModel *model, int row, int count);
    // What the step is called in the Edit menu.
    static QString name(int row, int count);
    void redo() override;
    void undo() override;

private:
    WordListModel *m_model;
    int m_row;
    QStringList m_lines;
};

// One line moved to another row.
class MoveLineCommand : public QUndoCommand
{
public:
    MoveLineCommand(WordListModel *model, int from, int to);
    void redo() override;
    void undo() override;

private:
    WordListModel *m_model;
    int m_from;
    int m_to;
};

} // namespace tildora
