#include "authoring/wordlistmodel.h"

#include "authoring/linecheck.h"
#include "authoring/stress.h"
#include "authoring/textimport.h"
#include "authoring/wordlistedits.h"
#include "content/exerciseline.h"

#include <QColor>
#include <QUndoStack>

#include <algorithm>

namespace tildora {

WordListModel::WordListModel(QObject *parent) : QAbstractTableModel(parent)
{
    // The list is edited in the editor, which makes recordings itself.
    m_check.setRecordingHint(tr("Voices → Record the missing words makes it"));
}

void WordListModel::setContent(const ContentLocator *content)
{
    m_check.setContent(content);
    recheck();
}

void WordListModel::setDictionary(const SpanishDictionary *dictionary)
{
    m_check.setDictionary(dictionary);
    recheck();
}

QStringList WordListModel::suggestions(int row)
{
    if (row < 0 || row >= m_lines.size() || !m_checked.at(row).unknownWord)
        return {};
    // Only words a line can be made of: "corta césped" for cortacésped would be refused when chosen.
    QStringList usable = m_check.suggestions(m_lines.at(row));
    usable.removeIf([](const QString &word) { return !itemFromWord(word); });
    return usable;
}

void WordListModel::editLine(int row, const QString &line)
{
    if (row < 0 || row >= m_lines.size() || m_lines.at(row) == line)
        return;
    if (m_undo)
        m_undo->push(new EditLineCommand(this, row, line));
    else
        applyLine(row, line);
}

bool WordListModel::editWord(int row, const QString &word, QString *why)
{
    auto item = itemFromEntry(word, why);
    if (!item || row < 0 || row >= m_lines.size())
        return false;
    // A word typed alone keeps the line's sentence while the sentence holds it (tu becoming tú).
    if (item->sentence.isEmpty()) {
        const QString kept = fifthField(splitExerciseLine(m_lines.at(row))).toString();
        if (findWordInSentence(kept, item->word, item->accent, item->position).start >= 0)
            item->sentence = kept;
    }
    editLine(row, formatExerciseLine(*item));
    return true;
}

bool WordListModel::editSentence(int row, const QString &sentence)
{
    if (row < 0 || row >= m_lines.size())
        return false;
    const QString &line = m_lines.at(row);
    const ExerciseLine fields = splitExerciseLine(line);
    if (fields.closedFields < 4)
        return false;
    // One line of the file whatever was pasted; the check says whether it holds the word.
    QString text = sentence;
    for (QChar &c : text)
        if (c == u'\n' || c == u'\r' || c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph)
            c = u' ';
    text = text.trimmed();
    QString edited = line.left(line.size() - fields.rest.size());
    if (!text.isEmpty())
        edited += text + u',';
    editLine(row, edited);
    return true;
}

void WordListModel::addLines(int row, const QStringList &lines, const QString &what)
{
    if (lines.isEmpty())
        return;
    row = std::clamp(row, 0, int(m_lines.size()));
    if (m_undo)
        m_undo->push(new InsertLinesCommand(this, row, lines, what));
    else
        applyInsert(row, lines);
}

void WordListModel::removeLines(int row, int count)
{
    count = std::min(count, int(m_lines.size()) - row);
    if (row < 0 || count <= 0)
        return;
    if (m_undo)
        m_undo->push(new RemoveLinesCommand(this, row, count));
    else
        applyRemove(row, count);
}

void WordListModel::removeChosenLines(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int row) { return row < 0 || row >= m_lines.size(); });
    if (rows.isEmpty())
        return;
    if (m_undo)
        m_undo->beginMacro(RemoveLinesCommand::name(rows.first(), int(rows.size())));
    // Runs of neighbouring rows, the last run first, so the rows before it keep their numbers.
    for (qsizetype end = rows.size(); end > 0;) {
        qsizetype begin = end - 1;
        while (begin > 0 && rows.at(begin - 1) == rows.at(begin) - 1)
            --begin;
        removeLines(rows.at(begin), int(end - begin));
        end = begin;
    }
    if (m_undo)
        m_undo->endMacro();
}

void WordListModel::moveLine(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= m_lines.size() || to >= m_lines.size())
        return;
    if (m_undo)
        m_undo->push(new MoveLineCommand(this, from, to));
    else
        applyMove(from, to);
}

void WordListModel::resetLines(const QStringList &lines)
{
    beginResetModel();
    m_lines = lines;
    m_analysis.clear();
    m_checked.clear();
    endResetModel();
    recheck();
}

void WordListModel::applyLine(int row, const QString &line)
{
    m_lines[row] = line;
    recheck();
}

void WordListModel::applyInsert(int row, const QStringList &lines)
{
    beginInsertRows({}, row, row + int(lines.size()) - 1);
    for (qsizetype i = 0; i < lines.size(); ++i)
        m_lines.insert(row + i, lines.at(i));
    // Placeholders until the check below fills them in.
    m_analysis.insert(row, lines.size(), WordAnalysis());
    m_checked.insert(row, lines.size(), CheckedLine());
    endInsertRows();
    recheck();
}

void WordListModel::applyRemove(int row, int count)
{
    beginRemoveRows({}, row, row + count - 1);
    m_lines.remove(row, count);
    m_analysis.remove(row, count);
    m_checked.remove(row, count);
    endRemoveRows();
    recheck();
}

void WordListModel::applyMove(int from, int to)
{
    // Qt counts the destination before the move: one further when moving down.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    m_lines.move(from, to);
    m_analysis.move(from, to);
    m_checked.move(from, to);
    endMoveRows();
    recheck();
}

void WordListModel::recheck()
{
    m_checked = m_check.check(m_lines);
    m_analysis.resize(m_lines.size());
    m_errors = m_warnings = 0;
    if (m_analysed.size() > 100000)  // pasting list after list must not grow it without end
        m_analysed.clear();
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        auto known = m_analysed.constFind(m_lines.at(i));
        if (known == m_analysed.constEnd())
            known = m_analysed.insert(m_lines.at(i), analyseLine(m_lines.at(i)));
        m_analysis[i] = *known;
        for (const LineProblem &p : m_checked.at(i).problems)
            ++(p.severity == LineProblem::Error ? m_errors : m_warnings);
    }
    if (!m_lines.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_lines.size()) - 1, ColumnCount - 1));
    emit rechecked();
}

WordAnalysis WordListModel::shownAnalysis(int row) const
{
    WordAnalysis a = m_analysis.at(row);
    const ExerciseLine fields = splitExerciseLine(m_lines.at(row));
    const int start = markedSyllableStart(fields.word, fields.syllable, fields.position.trimmed().toInt());
    int marked = -1;
    for (qsizetype i = 0, at = 1; i < a.syllables.size(); at += a.syllables.at(i++).size())
        if (at == start && a.syllables.at(i).size() == fields.syllable.size())
            marked = int(i);
    if (marked != a.stressed)
        a.kind = WordAnalysis::Unknown;
    a.stressed = marked;
    return a;
}

int WordListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_lines.size()); }

int WordListModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant WordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    const WordAnalysis &a = m_analysis.at(index.row());
    const CheckedLine &c = m_checked.at(index.row());
    const int severity = c.hasError() ? 2 : c.problems.isEmpty() ? 0 : 1;
    if (role == SeverityRole)
        return severity;
    if (role == Qt::ForegroundRole && index.column() == ProblemsColumn)
        return severity == 2 ? QColor(0xb0, 0x00, 0x20) : QColor(0x8a, 0x5a, 0x00);
    if (role == Qt::ToolTipRole && index.column() == ProblemsColumn && !c.problems.isEmpty()) {
        QStringList messages;
        for (const LineProblem &p : c.problems)
            messages << p.message;
        return messages.join(QLatin1Char('\n'));
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case WordColumn: return a.written;
    case SyllablesColumn: return markedSyllables(shownAnalysis(index.row()));
    case KindColumn: return kindName(shownAnalysis(index.row()).kind);
    case TildeColumn: return !a.readable ? QString() : a.takesTilde ? tr("yes") : tr("no");
    case SentenceColumn: return fifthField(splitExerciseLine(m_lines.at(index.row()))).toString();
    case LineColumn: return m_lines.at(index.row());
    case ProblemsColumn: {
        QStringList messages;
        for (const LineProblem &p : c.problems)
            messages << p.message;
        return messages.join(QStringLiteral("; "));
    }
    default: return {};
    }
}

QVariant WordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case WordColumn: return tr("Word");
    case SyllablesColumn: return tr("Syllables");
    case KindColumn: return tr("Kind");
    case TildeColumn: return tr("Written accent");
    case SentenceColumn: return tr("Sentence");
    case LineColumn: return tr("Exercise line");
    case ProblemsColumn: return tr("Problems");
    default: return {};
    }
}

Qt::ItemFlags WordListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == WordColumn || index.column() == SentenceColumn || index.column() == LineColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool WordListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= m_lines.size())
        return false;
    if (index.column() == LineColumn) {
        // A line is refused whose word no table cell or picture could hold.
        const QString line = value.toString();
        if (!wordLengthProblem(splitExerciseLine(line).word).isEmpty())
            return false;
        editLine(index.row(), line);
        return true;
    }
    if (index.column() == WordColumn)
        return editWord(index.row(), value.toString());
    if (index.column() == SentenceColumn)
        return editSentence(index.row(), value.toString());
    return false;
}

} // namespace tildora
