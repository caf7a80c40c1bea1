#include "editor/listpanel.h"

#include "authoring/listfolder.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace tildora {

namespace {
constexpr int PathRole = Qt::UserRole + 1;
constexpr int BundledRole = Qt::UserRole + 2;
} // namespace

ListPanel::ListPanel(QString bundledFolder, QString teacherFolder, QWidget *parent)
    : QWidget(parent), m_bundledFolder(std::move(bundledFolder)), m_teacherFolder(std::move(teacherFolder)),
      m_list(new QListWidget)
{
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { emit openRequested(item->data(PathRole).toString()); });
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { emit openRequested(item->data(PathRole).toString()); });
    const auto button = [this](const QString &text, const QString &tip, auto slot) {
        auto *b = new QPushButton(text);
        b->setToolTip(tip);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto *buttons = new QGridLayout;
    buttons->addWidget(button(tr("New"), tr("A new, empty list of your own"), &ListPanel::createList), 0, 0);
    buttons->addWidget(button(tr("Copy"), tr("An editable copy of the chosen list"), &ListPanel::copyCurrent), 0, 1);
    buttons->addWidget(button(tr("Rename"), tr("A new name for the chosen list"), &ListPanel::renameCurrent), 0, 2);
    buttons->addWidget(button(tr("Up"), tr("Show the chosen list earlier in Tildora"), [this] { moveCurrent(-1); }), 1, 0);
    buttons->addWidget(button(tr("Down"), tr("Show the chosen list later in Tildora"), [this] { moveCurrent(1); }), 1, 1);
    buttons->addWidget(button(tr("Delete"), tr("Move the chosen list to the trash"), &ListPanel::trashCurrent), 1, 2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Exercise lists")));
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    refresh();
}

bool ListPanel::isBundled(const QString &path) const
{
    return QFileInfo(path).absolutePath() == QFileInfo(m_bundledFolder).absoluteFilePath();
}

void ListPanel::refresh()
{
    m_list->clear();
    for (const ExerciseList &list : exerciseLists(m_bundledFolder, m_teacherFolder)) {
        auto *item = new QListWidgetItem(list.bundled ? tr("%1 (bundled, read-only)").arg(list.name) : list.name);
        item->setToolTip(item->text());  // whole, when the panel is narrower than the name
        item->setData(PathRole, list.path);
        item->setData(BundledRole, list.bundled);
        if (list.bundled)
            item->setForeground(palette().color(QPalette::PlaceholderText));
        m_list->addItem(item);
        if (list.path == m_current)
            m_list->setCurrentItem(item);
    }
}

void ListPanel::markCurrent(const QString &path)
{
    m_current = path;
    refresh();
}

QString ListPanel::selectedPath() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->data(PathRole).toString() : m_current;
}

QStringList ListPanel::teacherNames() const
{
    QStringList names;
    for (const ExerciseList &list : exerciseLists(QString(), m_teacherFolder))
        if (!list.bundled)
            names << list.name;
    return names;
}

void ListPanel::createList()
{
    bool ok = false;
    const QString title = QInputDialog::getText(this, tr("New list"), tr("Name of the new list:"), QLineEdit::Normal,
                                                tr("my words"), &ok);
    if (!ok)
        return;
    QString error;
    const QString path = tildora::createList(m_teacherFolder, title, &error);
    if (path.isEmpty())
        return emit problem(error);
    markCurrent(path);
    emit created(path);
}

void ListPanel::copyCurrent()
{
    const QString source = selectedPath();
    if (source.isEmpty())
        return;
    QString error;
    const QString path = copyList(source, m_teacherFolder, &error);
    if (path.isEmpty())
        return emit problem(error);
    markCurrent(path);
    emit created(path);
}

void ListPanel::renameCurrent()
{
    const QString path = selectedPath();
    if (path.isEmpty() || isBundled(path))
        return emit problem(tr("Bundled lists cannot be renamed; make a copy first."));
    bool ok = false;
    const QString title = QInputDialog::getText(this, tr("Rename list"), tr("New name of the list:"), QLineEdit::Normal,
                                                listTitle(QFileInfo(path).fileName()), &ok);
    if (!ok)
        return;
    QString error;
    const QString renamedPath = renameList(path, title, &error);
    if (renamedPath.isEmpty())
        return emit problem(error);
    if (m_current == path)
        m_current = renamedPath;
    refresh();
    emit renamed(path, renamedPath);
}

void ListPanel::moveCurrent(int by)
{
    const QString path = selectedPath();
    if (path.isEmpty() || isBundled(path))
        return emit problem(tr("Bundled lists keep their place; make a copy to place it among yours."));
    const QStringList before = teacherNames();
    const int from = int(before.indexOf(QFileInfo(path).fileName()));
    const int to = from + by;
    if (from < 0 || to < 0 || to >= before.size())
        return;
    QString error;
    if (!moveList(m_teacherFolder, before, from, to, &error))
        emit problem(error);
    // Every list may have a new number now: tell the window each new path.
    const QStringList after = teacherNames();
    QStringList moved = before;
    moved.move(from, to);
    for (int i = 0; i < moved.size() && i < after.size(); ++i) {
        const QString oldPath = m_teacherFolder + QLatin1Char('/') + moved[i];
        const QString newPath = m_teacherFolder + QLatin1Char('/') + after[i];
        if (oldPath != newPath && !QFileInfo::exists(oldPath)) {
            if (m_current == oldPath)
                m_current = newPath;
            emit renamed(oldPath, newPath);
        }
    }
    refresh();
}

void ListPanel::trashCurrent()
{
    const QString path = selectedPath();
    if (path.isEmpty() || isBundled(path))
        return emit problem(tr("Bundled lists cannot be deleted."));
    if (QMessageBox::question(this, tr("Delete list"),
                              tr("Move «%1» to the trash? You can bring it back from there.")
                                  .arg(QFileInfo(path).fileName()))
        != QMessageBox::Yes)
        return;
    QString error;
    if (!trashList(path, &error))
        return emit problem(error);
    // The list below it takes its row now; none when it was the last.
    int row = -1;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->data(PathRole).toString() == path)
            row = i;
    if (m_current == path)
        m_current.clear();
    refresh();
    const QListWidgetItem *next = row < 0 ? nullptr : m_list->item(row);
    emit trashed(path, next ? next->data(PathRole).toString() : QString());
}

} // namespace tildora
