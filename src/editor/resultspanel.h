#pragma once

#include "results/resultrow.h"

#include <QList>
#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace tildora {

// The answers Tildora kept: per child and day how many answers and how many
// right, per word the tries and misses, the most-missed first; and a new
// exercise list of the missed words in one step.
class ResultsPanel : public QWidget
{
    Q_OBJECT
public:
    // resultsFolder: where Tildora keeps the day files; listFolders: where the
    // exercise lists are (the teacher's first), to find the words' lines;
    // the new list goes into the first.
    ResultsPanel(const QString &resultsFolder, const QStringList &listFolders, QWidget *parent = nullptr);

    // Its actions for the window's Results menu; each asks to be in sight
    // (wantsSight) before it acts.
    void addMenuActions(QMenu *menu);

    QTreeWidget *days() const { return m_days; }
    QTreeWidget *words() const { return m_words; }
    QComboBox *childFilter() const { return m_child; }
    QLabel *notice() const { return m_notice; }

public slots:
    void reload();
    // The path of the new list, or empty when none could be made (the reason shown).
    QString newListFromMissedWords();

signals:
    void listCreated(const QString &path);
    // The window shows the panel's tab.
    void wantsSight();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showSummaries();
    QList<ResultRow> shownRows() const;

    QString m_resultsFolder;
    QStringList m_listFolders;
    QList<ResultRow> m_rows;
    QComboBox *m_child;
    QTreeWidget *m_days;
    QTreeWidget *m_words;
    QPushButton *m_newList;
    QLabel *m_notice;
};

} // namespace tildora
