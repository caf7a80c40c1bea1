#include "authoring/wordlistedits.h"

#include "authoring/wordlistmodel.h"

#include <QCoreApplication>

namespace tildora {

EditLineCommand::EditLineCommand(WordListModel *model, int row, QString line)
    : m_model(model), m_row(row), m_before(model->lines().at(row)), m_after(std::move(line))
{
    setText(QCoreApplication::translate("tildora::WordListEdits", "Edit line %1").arg(row + 1));
}

void EditLineCommand::redo() { m_model->applyLine(m_row, m_after); }
void EditLineCommand::undo() { m_model->applyLine(m_row, m_before); }

InsertLinesCommand::InsertLinesCommand(WordListModel *model, int row, QStringList lines, const QString &text)
    : m_model(model), m_row(row), m_lines(std::move(lines))
{
    setText(text);
}

void InsertLinesCommand::redo() { m_model->applyInsert(m_row, m_lines); }
void InsertLinesCommand::undo() { m_model->applyRemove(m_row, int(m_lines.size())); }

RemoveLinesCommand::RemoveLinesCommand(WordListModel *model, int row, int count)
    : m_model(model), m_row(row), m_lines(model->lines().mid(row, count))
{
    setText(name(row, count));
}

QString RemoveLinesCommand::name(int row, int count)
{
    return count == 1 ? QCoreApplication::translate("tildora::WordListEdits", "Remove line %1").arg(row + 1)
                      : QCoreApplication::translate("tildora::WordListEdits", "Remove %n lines", nullptr, count);
}

void RemoveLinesCommand::redo() { m_model->applyRemove(m_row, int(m_lines.size())); }
void RemoveLinesCommand::undo() { m_model->applyInsert(m_row, m_lines); }

MoveLineCommand::MoveLineCommand(WordListModel *model, int from, int to) : m_model(model), m_from(from), m_to(to)
{
    setText(QCoreApplication::translate("tildora::WordListEdits", "Move line %1").arg(from + 1));
}

void MoveLineCommand::redo() { m_model->applyMove(m_from, m_to); }
void MoveLineCommand::undo() { m_model->applyMove(m_to, m_from); }

} // namespace tildora
