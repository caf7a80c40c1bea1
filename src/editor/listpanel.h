#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;

namespace tildora {

// The exercise lists: the bundled ones (read-only) and the teacher's own, in
// the order Tildora shows them. The folder operations themselves are plain
// functions (authoring/listfolder.h); this only lists and asks.
class ListPanel : public QWidget
{
    Q_OBJECT
public:
    ListPanel(QString bundledFolder, QString teacherFolder, QWidget *parent = nullptr);

    const QString &teacherFolder() const { return m_teacherFolder; }
    bool isBundled(const QString &path) const;

public slots:
    void refresh();
    void markCurrent(const QString &path);
    // Each tells the window what became of the lists.
    void createList();
    void copyCurrent();
    void renameCurrent();
    void moveCurrent(int by);
    void trashCurrent();

signals:
    void openRequested(const QString &path);
    void created(const QString &path);
    void renamed(const QString &from, const QString &to);
    // next: the list shown after it in the panel, empty when it was the last.
    void trashed(const QString &path, const QString &next);
    void problem(const QString &text);

private:
    QString selectedPath() const;
    QStringList teacherNames() const;

    QString m_bundledFolder;
    QString m_teacherFolder;
    QListWidget *m_list;
    QString m_current;
};

} // namespace tildora
