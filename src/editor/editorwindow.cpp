#include "editor/editorwindow.h"

#include "editor/listpanel.h"
#include "editor/messagedialog.h"
#include "editor/resultspanel.h"
#include "editor/voicepanel.h"
#include "editor/wordpanel.h"

#include "authoring/dictionary.h"
#include "authoring/filekind.h"
#include "authoring/listfile.h"
#include "authoring/listfolder.h"
#include "authoring/textimport.h"
#include "authoring/wordlistmodel.h"
#include "content/exerciseline.h"
#include "content/regularfile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>

namespace tildora {
namespace {

// Enough of a file to tell whether it is text.
QByteArray fileStart(const QString &path)
{
    // Only a regular file: a FIFO under a list's name must not hold the window up.
    return readRegularFile(path, 65536).value_or(QByteArray());
}

// The desktop's own key for a standard action, and the usual one as well:
// some desktops bind none (Quit, say), and teachers expect Ctrl+Q anyway.
QList<QKeySequence> keysFor(QKeySequence::StandardKey standard, QKeyCombination usual)
{
    QList<QKeySequence> keys{QKeySequence(usual)};
    for (const QKeySequence &key : QKeySequence::keyBindings(standard))
        if (!keys.contains(key))
            keys << key;
    return keys;
}

} // namespace

EditorWindow::EditorWindow(const ContentLocator &content, QWidget *parent)
    : QMainWindow(parent), m_content(content), m_model(new WordListModel(this)), m_undo(new QUndoStack(this)),
      m_tabs(new QTabWidget), m_status(new QLabel)
{
    m_model->setUndoStack(m_undo);
    m_model->setContent(&m_content);
    m_lists = new ListPanel(m_content.folder(ContentFolder::Exercises), teacherListFolder());
    m_words = new WordPanel(m_model, m_content);
    m_tabs->addTab(m_words, tr("&Words"));
    m_tabs->addTab(new QWidget, tr("&Voices"));
    m_tabs->addTab(new QWidget, tr("&Results"));
    auto *split = new QSplitter;
    split->addWidget(m_lists);
    split->addWidget(m_tabs);
    split->setStretchFactor(1, 3);
    split->setSizes({240, 760});
    setCentralWidget(split);
    statusBar()->addPermanentWidget(m_status);
    buildMenus();

    connect(m_lists, &ListPanel::openRequested, this, [this](const QString &path) {
        if (path != m_path && !openFile(path))
            m_lists->markCurrent(m_path);
    });
    connect(m_lists, &ListPanel::created, this, &EditorWindow::openFile);
    connect(m_lists, &ListPanel::renamed, this, [this](const QString &from, const QString &to) {
        if (from == m_path) {
            m_path = to;
            updateTitle();
            emit currentFileChanged(m_path);
        }
    });
    connect(m_lists, &ListPanel::trashed, this, [this](const QString &path, const QString &next) {
        // The teacher chose to delete it, changes and all; the trash keeps what was saved.
        if (path != m_path)
            return;
        m_undo->clear();
        m_convertedUnsaved = false;
        if (next.isEmpty() || !openFile(next))
            showLines(QString(), {}, false);
    });
    connect(m_lists, &ListPanel::problem, this, [this](const QString &text) { warn(text); });
    connect(m_words, &WordPanel::message, this, &EditorWindow::warn);
    connect(m_words, &WordPanel::currentRowChanged, this, &EditorWindow::currentRowChanged);
    connect(m_words, &WordPanel::addToDictionary, this, &EditorWindow::addToDictionary);
    connect(m_model, &WordListModel::rechecked, this, &EditorWindow::updateStatus);
    connect(m_undo, &QUndoStack::cleanChanged, this, &EditorWindow::updateTitle);
    resize(1000, 640);
    updateTitle();
    updateStatus();
}

EditorWindow::~EditorWindow()
{
    // The undo stack is a child: it says it is clean again as it is destroyed,
    // when this window is no longer an EditorWindow.
    disconnect(m_undo, nullptr, this, nullptr);
}

void EditorWindow::setTabPanel(Tab tab, QWidget *panel)
{
    QWidget *placeholder = m_tabs->widget(tab);
    const bool current = m_tabs->currentIndex() == tab;
    const QString label = m_tabs->tabText(tab);
    m_tabs->removeTab(tab);
    m_tabs->insertTab(tab, panel, label);
    if (current)
        m_tabs->setCurrentIndex(tab);
    delete placeholder;
}

void EditorWindow::attachPanels()
{
    if (m_panelsAttached)
        return;
    m_panelsAttached = true;
    // Each panel gets the values it needs and follows the open list through these connections.
    auto *voices = new VoicePanel(m_content, this);
    setTabPanel(VoicesTab, voices);
    voices->addMenuActions(m_voicesMenu);
    voices->setLines(m_model->lines());
    connect(voices, &VoicePanel::wantsSight, this, [this, voices] { m_tabs->setCurrentWidget(voices); });
    connect(m_model, &WordListModel::rechecked, voices, [this, voices] { voices->setLines(m_model->lines()); });
    const auto followRow = [this, voices](int row) {
        if (row < 0 || row >= m_model->lines().size())
            return;
        // A line with a sentence is heard as its sentence: its recording is the one to play.
        const ExerciseLine fields = splitExerciseLine(m_model->lines().at(row));
        const QString word = fields.word.toString(), sentence = lineSentence(fields);
        voices->selectWord(sentence.isEmpty() ? word : ContentLocator::sentenceRecordingName(word, sentence));
    };
    connect(this, &EditorWindow::currentRowChanged, voices, followRow);
    followRow(currentRow());

    auto *results = new ResultsPanel(m_content.userFolder() + QStringLiteral("/resultados"),
                                     {teacherListFolder(), m_content.folder(ContentFolder::Exercises)}, this);
    setTabPanel(ResultsTab, results);
    results->addMenuActions(m_resultsMenu);
    connect(results, &ResultsPanel::wantsSight, this, [this, results] { m_tabs->setCurrentWidget(results); });
    connect(results, &ResultsPanel::listCreated, this, &EditorWindow::openFile);
    emit panelsAttached();
}

bool EditorWindow::event(QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_panelsAttached)
        QTimer::singleShot(0, this, &EditorWindow::attachPanels);
    return QMainWindow::event(event);
}

QString EditorWindow::teacherListFolder() const
{
    return m_content.userFolder(ContentFolder::Exercises);
}

int EditorWindow::currentRow() const { return m_words->currentRow(); }

bool EditorWindow::isModified() const { return !m_undo->isClean() || m_convertedUnsaved; }

void EditorWindow::setDictionary(std::shared_ptr<SpanishDictionary> dictionary)
{
    m_dictionary = std::move(dictionary);
    m_model->setDictionary(m_dictionary.get());
}

void EditorWindow::addToDictionary(const QString &word)
{
    // The file the editor and tildora-author read at start, so the word stays known.
    const QString file = m_content.userFolder() + QStringLiteral("/diccionario-extra.txt");
    QString error;
    if (!addExtraWord(file, word, &error))
        return warn(error);
    if (m_dictionary && m_dictionary->addWords(file))
        setDictionary(m_dictionary);
}

void EditorWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New list…"), this, &EditorWindow::newList)->setShortcuts(keysFor(QKeySequence::New, Qt::CTRL | Qt::Key_N));
    file->addAction(tr("&Open…"), this, &EditorWindow::chooseAndOpen)
        ->setShortcuts(keysFor(QKeySequence::Open, Qt::CTRL | Qt::Key_O));
    file->addAction(tr("&Import words…"), QKeySequence(tr("Ctrl+I")), this, &EditorWindow::importText);
    file->addAction(tr("&Save"), this, &EditorWindow::save)->setShortcuts(keysFor(QKeySequence::Save, Qt::CTRL | Qt::Key_S));
    file->addAction(tr("Save &as…"), this, &EditorWindow::saveAs)
        ->setShortcuts(keysFor(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    file->addAction(tr("Make a &copy"), m_lists, &ListPanel::copyCurrent);
    file->addAction(tr("&Rename…"), m_lists, &ListPanel::renameCurrent);
    file->addAction(tr("&Delete (to the trash)"), m_lists, &ListPanel::trashCurrent);
    file->addSeparator();
    file->addAction(tr("&Quit"), this, &QWidget::close)->setShortcuts(keysFor(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    QAction *undo = m_undo->createUndoAction(this, tr("&Undo"));
    undo->setShortcuts(keysFor(QKeySequence::Undo, Qt::CTRL | Qt::Key_Z));
    QAction *redo = m_undo->createRedoAction(this, tr("&Redo"));
    redo->setShortcuts(keysFor(QKeySequence::Redo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    edit->addAction(tr("&Add the new words"), QKeySequence(tr("Ctrl+Return")), m_words, &WordPanel::addNewWords);
    edit->addAction(tr("&Remove the chosen lines"), QKeySequence(tr("Ctrl+Delete")), m_words,
                    &WordPanel::removeSelectedLines);
    edit->addAction(tr("Move line &up"), QKeySequence(tr("Alt+Up")), m_words, [this] { m_words->moveCurrentLine(-1); });
    edit->addAction(tr("Move line &down"), QKeySequence(tr("Alt+Down")), m_words,
                    [this] { m_words->moveCurrentLine(1); });

    m_voicesMenu = menuBar()->addMenu(tr("&Voices"));
    m_resultsMenu = menuBar()->addMenu(tr("&Results"));
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About"), this, [this] {
        QMessageBox::about(this, tr("About the Tildora exercise editor"),
                           tr("Tildora exercise editor %1\n\nMakes and checks the word lists that Tildora's "
                              "children practise with.")
                               .arg(QApplication::applicationVersion()));
    });
}

bool EditorWindow::maybeSave()
{
    if (!isModified())
        return true;
    const auto answer = QMessageBox::question(
        this, tr("Unsaved changes"),
        tr("The list «%1» has changes that are not saved. Save them?")
            .arg(m_path.isEmpty() ? tr("new list") : QFileInfo(m_path).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

bool EditorWindow::openFile(const QString &path)
{
    if (!maybeSave())
        return false;
    if (const QString kind = notTextKind(fileStart(path)); !kind.isEmpty()) {
        warn(tr("«%1» is %2, not a list of words: it was not opened.").arg(QFileInfo(path).fileName(), kind));
        return false;
    }
    const OpenedList opened = openListFile(path);
    if (!opened.readable) {
        warn(tr("Cannot open %1: %2").arg(path, opened.error));
        return false;
    }
    if (!opened.problems.isEmpty())
        warn(tr("These lines of «%1» could not be made into exercise lines:").arg(QFileInfo(path).fileName()),
             opened.problems);
    if (!opened.changed.isEmpty())
        warn(tr("These words were made into lines as the rules write them today:"), opened.changed);
    // A word list becomes a new list of the teacher's; its own file is left as it was.
    showLines(opened.converted ? QString() : QFileInfo(path).absoluteFilePath(), opened.lines, opened.converted);
    return true;
}

QString EditorWindow::createTeacherList(const QString &title)
{
    QString error;
    const QString path = createList(teacherListFolder(), title, &error);
    if (path.isEmpty())
        warn(error);
    return path;
}

bool EditorWindow::openNewList(const QString &title, const QStringList &lines)
{
    if (!maybeSave())
        return false;
    const QString path = createTeacherList(title);
    if (path.isEmpty())
        return false;
    showLines(path, lines, true);
    return save();
}

void EditorWindow::showLines(const QString &path, const QStringList &lines, bool modified)
{
    m_model->resetLines(lines);
    m_undo->clear();
    m_path = path;
    m_convertedUnsaved = modified;
    m_lists->markCurrent(m_path);
    if (!lines.isEmpty())
        m_words->setCurrentRow(0);
    updateTitle();
    emit currentFileChanged(m_path);
}

bool EditorWindow::save()
{
    if (m_path.isEmpty() || m_lists->isBundled(m_path))
        return saveAs();
    QString error;
    if (!saveExerciseFile(m_path, m_model->lines(), &error)) {
        warn(tr("Cannot save %1: %2").arg(m_path, error));
        return false;
    }
    m_convertedUnsaved = false;
    m_undo->setClean();
    m_lists->markCurrent(m_path);
    updateTitle();
    statusBar()->showMessage(tr("Saved %1").arg(QFileInfo(m_path).fileName()), 4000);
    emit fileSaved(m_path);
    return true;
}

bool EditorWindow::saveAs()
{
    bool ok = false;
    const QString suggested = m_path.isEmpty() ? tr("my words") : listTitle(QFileInfo(m_path).fileName());
    const QString title = QInputDialog::getText(this, tr("Save as a list of yours"), tr("Name of the list:"),
                                                QLineEdit::Normal, suggested, &ok);
    if (!ok)
        return false;
    const QString path = createTeacherList(title);
    if (path.isEmpty())
        return false;
    m_path = path;
    emit currentFileChanged(m_path);
    return save();
}

void EditorWindow::chooseAndOpen()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open a list"), teacherListFolder(),
                                                      tr("Text files (*.txt);;All files (*)"));
    if (!path.isEmpty())
        openFile(path);
}

void EditorWindow::importText()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import words"), QString(),
                                                      tr("Text files (*.txt *.csv);;All files (*)"));
    if (!path.isEmpty())
        importFile(path);
}

void EditorWindow::importFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (const QString kind = notTextKind(fileStart(path)); !kind.isEmpty()) {
        warn(tr("«%1» is %2, not text: nothing was added. Save it as plain text (.txt) in the program that made "
                "it, and import that file.")
                 .arg(name, kind));
        return;
    }
    const ImportedLines imported = linesFromFile(path);
    m_model->addLines(int(m_model->lines().size()), imported.lines, tr("Import %1").arg(name));
    if (!imported.problems.isEmpty())
        warn(tr("These lines of «%1» were not added:").arg(name), imported.problems);
    if (!imported.changed.isEmpty())
        warn(tr("These words were made into lines as the rules write them today:"), imported.changed);
}

void EditorWindow::newList()
{
    if (maybeSave())
        m_lists->createList();
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

void EditorWindow::updateTitle()
{
    const QString name = m_path.isEmpty() ? tr("new list") : QFileInfo(m_path).fileName();
    const QString readOnly = !m_path.isEmpty() && m_lists->isBundled(m_path) ? tr(" (read-only)") : QString();
    setWindowTitle(tr("%1%2[*] — Tildora exercise editor").arg(name, readOnly));
    setWindowModified(isModified());
}

void EditorWindow::updateStatus()
{
    const QString dictionary = !m_dictionary ? tr("loading the dictionary…")
                               : m_dictionary->isOpen() ? tr("dictionary %1").arg(m_dictionary->name())
                                                        : tr("no Spanish dictionary (install hunspell-es)");
    m_status->setText(tr("%n word(s)", nullptr, int(m_model->lines().size())) + QStringLiteral(" · ")
                      + tr("%n error(s)", nullptr, m_model->errorCount()) + QStringLiteral(" · ")
                      + tr("%n warning(s)", nullptr, m_model->warningCount()) + QStringLiteral(" · ") + dictionary);
    setWindowModified(isModified());
}

void EditorWindow::warn(const QString &text, const QStringList &problems)
{
    // Window-modal but not blocking: the lines stay in view while it is read.
    openWarning(this, tr("Tildora exercise editor"), text, problems);
}

} // namespace tildora
