#pragma once

#include "authoring/livecheck.h"
#include "authoring/wordanalysis.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

class QUndoStack;

namespace tildora {

// The lines of the exercise list being edited, each shown as Tildora will use
// it and checked as it changes. Edits made through the view and through the
// edit functions below go onto the undo stack when one is given; the apply
// functions change the lines directly (the undo commands call them).
class WordListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        WordColumn,
        SyllablesColumn,
        KindColumn,
        TildeColumn,
        SentenceColumn,
        LineColumn,
        ProblemsColumn,
        ColumnCount
    };
    enum Role { SeverityRole = Qt::UserRole + 1 };  // 0 fine, 1 warnings, 2 errors

    explicit WordListModel(QObject *parent = nullptr);

    void setUndoStack(QUndoStack *stack) { m_undo = stack; }
    void setContent(const ContentLocator *content);
    void setDictionary(const SpanishDictionary *dictionary);

    const QStringList &lines() const { return m_lines; }
    const WordAnalysis &analysis(int row) const { return m_analysis.at(row); }
    // The analysis as the line's own fields show it: the stressed syllable is
    // the one its syllable field marks (none when it marks none), and the kind
    // is known only when that is where its position puts the stress.
    WordAnalysis shownAnalysis(int row) const;
    const CheckedLine &checked(int row) const { return m_checked.at(row); }
    // The dictionary's nearest words a line can be made of, for a word it does not know.
    QStringList suggestions(int row);
    int errorCount() const { return m_errors; }
    int warningCount() const { return m_warnings; }

    // Undoable edits.
    void editLine(int row, const QString &line);
    // A word with its written accent becomes the line's new exercise line;
    // false (and nothing changes) when no line can be made of it.
    bool editWord(int row, const QString &word, QString *why = nullptr);
    // The line's sentence (its fifth field) becomes this one, or none when
    // empty; false when the line has no four fields to put it after.
    bool editSentence(int row, const QString &sentence);
    void addLines(int row, const QStringList &lines, const QString &what);
    void removeLines(int row, int count);
    // These rows, in any order and with gaps: one step to undo.
    void removeChosenLines(QList<int> rows);
    void moveLine(int from, int to);

    // Direct changes.
    void resetLines(const QStringList &lines);
    void applyLine(int row, const QString &line);
    void applyInsert(int row, const QStringList &lines);
    void applyRemove(int row, int count);
    void applyMove(int from, int to);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // After every change of the lines and after every re-check.
    void rechecked();

private:
    void recheck();

    QUndoStack *m_undo = nullptr;
    LiveCheck m_check;
    QStringList m_lines;
    QList<WordAnalysis> m_analysis;
    QHash<QString, WordAnalysis> m_analysed;  // by line: a change re-reads only the lines it made
    QList<CheckedLine> m_checked;
    int m_errors = 0;
    int m_warnings = 0;
};

} // namespace tildora
