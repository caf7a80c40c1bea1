#pragma once

#include <QStringList>
#include <QUndoCommand>

namespace tildora {

class WordListModel;

// One undoable change of a word list each.
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

// Lines added to the list, as one step to undo.
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

// Lines taken out of the list, as one step to undo.
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

// A line moved to another place, as one step to undo.
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
