#pragma once

#include "content/contentlocator.h"

#include <QMainWindow>

#include <memory>

class QLabel;
class QMenu;
class QTabWidget;
class QUndoStack;

namespace tildora {

class ListPanel;
class SpanishDictionary;
class WordListModel;
class WordPanel;

// The teacher's window: the exercise lists on the left, the words of the open
// list on the right. Voices and results hook in through their menus and tabs.
class EditorWindow : public QMainWindow
{
    Q_OBJECT
public:
    // content: the bundled content and the teacher's own folder beside it
    // (ejercicios/, sonidospalabras/, ...).
    explicit EditorWindow(const ContentLocator &content, QWidget *parent = nullptr);
    ~EditorWindow() override;

    const ContentLocator &content() const { return m_content; }
    QString teacherListFolder() const;
    WordListModel *model() const { return m_model; }
    QUndoStack *undoStack() const { return m_undo; }
    QString currentFile() const { return m_path; }
    int currentRow() const;
    bool isModified() const;

    QTabWidget *tabs() const { return m_tabs; }

    // Makes the voices and results panels, once. The window does this itself
    // just after its first frame: they read folders and bring in sound.
    void attachPanels();

    // Takes the dictionary once it has loaded (in the background), and
    // re-checks the list with it. Words the teacher adds go into it too.
    void setDictionary(std::shared_ptr<SpanishDictionary> dictionary);

public slots:
    // False (with the reason shown) when the file could not be read, or the
    // teacher kept the unsaved changes of the open list.
    bool openFile(const QString &path);
    // A new list of the teacher's with these lines, opened and saved.
    bool openNewList(const QString &title, const QStringList &lines);
    bool save();
    bool saveAs();
    // Adds the words of a text file at the end of the list.
    void importFile(const QString &path);

signals:
    void currentFileChanged(const QString &path);
    void currentRowChanged(int row);
    void fileSaved(const QString &path);
    // The first frame is on screen and the panels are made.
    void panelsAttached();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The tabs after the words; each stands empty until its panel takes it.
    enum Tab { WordsTab, VoicesTab, ResultsTab };
    void setTabPanel(Tab tab, QWidget *panel);
    void buildMenus();
    void chooseAndOpen();
    void importText();
    void newList();
    void addToDictionary(const QString &word);
    bool maybeSave();
    // A new file in the teacher's lists folder named for the title; empty,
    // the reason shown, when none could be made.
    QString createTeacherList(const QString &title);
    void showLines(const QString &path, const QStringList &lines, bool modified);
    void updateTitle();
    void updateStatus();
    void warn(const QString &text, const QStringList &problems = {});

    ContentLocator m_content;
    WordListModel *m_model;
    QUndoStack *m_undo;
    std::shared_ptr<SpanishDictionary> m_dictionary;
    ListPanel *m_lists;
    WordPanel *m_words;
    QTabWidget *m_tabs;
    QMenu *m_voicesMenu = nullptr;
    QMenu *m_resultsMenu = nullptr;
    QLabel *m_status;
    QString m_path;
    bool m_convertedUnsaved = false;
    bool m_panelsAttached = false;
};

} // namespace tildora
