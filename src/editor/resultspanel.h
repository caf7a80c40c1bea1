#pragma once

#include "results/resultsreader.h"
#include "results/summary.h"

#include <QFutureWatcher>
#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class QComboBox;
class QDateEdit;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class QTreeWidget;

namespace tildora {

class WeekChart;

// The answers Tildora kept, as a teacher acts on them: each child and the
// class by mode and by kind of word (the weakest kind marked), per day and
// week by week, the words missed most as the child saw them; a new list of a
// child's or the class's missed words of a kind; a one-page summary to print;
// the class list the children pick their names from; answers brought on a
// stick added. The answers are read on
// another thread: the tab is usable while a school year is read.
class ResultsPanel : public QWidget
{
    Q_OBJECT
public:
    // resultsFolder: where this computer keeps the day files (the shared
    // folder, when one is set, is read too); listFolders: where the exercise
    // lists are (the teacher's first), to find the words' lines; the new list
    // goes into the first.
    ResultsPanel(const QString &resultsFolder, const QStringList &listFolders, QWidget *parent = nullptr);

    // Its actions for the window's Results menu; each asks to be in sight
    // (wantsSight) before it acts.
    void addMenuActions(QMenu *menu);

    QTreeWidget *children() const { return m_children; }
    QTreeWidget *days() const { return m_days; }
    QTreeWidget *words() const { return m_words; }
    QComboBox *childFilter() const { return m_child; }
    QComboBox *kindChoice() const { return m_kind; }
    QDateEdit *fromDay() const { return m_from; }
    QDateEdit *toDay() const { return m_to; }
    WeekChart *chart() const { return m_chart; }
    QLabel *notice() const { return m_notice; }

    // The one-page summary of the child or class shown, as rich text.
    QString summaryPage() const;
    // Lays the summary out on the printer's page and prints it there.
    void printSummary(QPrinter *printer) const;

    // The file of the class list: $XDG_DATA_HOME/tildora/alumnos.txt.
    static QString classListPath();

public slots:
    // Reads the answers again (only the files that changed) off the window's thread.
    void reload();
    // The path of the new list, or empty when none could be made (the reason shown).
    QString newListFromMissedWords();
    void print();
    void editClassList();
    // Copies in the answers of a folder (a USB stick, another computer's), each once.
    void addResults();
    void addResultsFrom(const QString &folder);

signals:
    void listCreated(const QString &path);
    // The window shows the panel's tab.
    void wantsSight();
    // The answers read last are shown.
    void loaded();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Loaded {
        AnswerSet set;
        QStringList shownWords;       // by the set's words
        QList<quint32> groups;        // by the set's words
        QHash<QString, QString> lines;  // the words' exercise lines
        QStringList children;
        QDate first, last;
    };
    void takeLoaded();
    void showSummaries();
    void showChildren();
    ResultsFilter filter() const;
    static QStringList childrenHeaders();

    QString m_resultsFolder;
    QStringList m_listFolders;
    std::shared_ptr<ResultsReader> m_reader;
    QFutureWatcher<Loaded> m_loading;
    bool m_readAgain = false;
    QString m_afterLoad;  // said once the answers are shown
    Loaded m_data;
    ResultsSummary m_summary;
    QComboBox *m_child;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QTreeWidget *m_children;
    QTreeWidget *m_days;
    QTreeWidget *m_words;
    WeekChart *m_chart;
    QComboBox *m_kind;
    QPushButton *m_newList;
    QLabel *m_notice;
};

} // namespace tildora
