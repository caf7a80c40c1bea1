// The teacher's window driven as a teacher would: open, edit, save, undo, the
// question before unsaved changes are lost, its Spanish; its Voices tab (which
// words have recordings, what is said when a program or the microphone is
// missing), its Results tab (answers per child and day, words most missed
// first, broken rows skipped) and the audio module it loads.
#include "editor/classlistdialog.h"
#include "editor/editoraudio.h"
#include "editor/editorwindow.h"
#include "editor/resultspanel.h"
#include "editor/translations.h"
#include "editor/resultsreport.h"
#include "editor/voicepanel.h"
#include "editor/weekchart.h"
#include "editor/wordpanel.h"
#include "editor/wordpicture.h"

#include "authoring/dictionary.h"
#include "authoring/recordingjob.h"
#include "authoring/wordkinds.h"
#include "authoring/stress.h"
#include "authoring/wordlistmodel.h"

#include <QAction>
#include <QApplication>
#include <QAudioDevice>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineSeries>
#include <QMediaDevices>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>
#include <QUndoStack>

#include "../support/files.h"
#include "../support/testcontent.h"

using namespace tildora;
using testing::readFile;
using testing::writeFile;

namespace {

// Each row as "first cell: the other cells".
QStringList rowsOf(const QTreeWidget *table)
{
    QStringList rows;
    for (int i = 0; i < table->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 1; c < table->columnCount(); ++c)
            cells << table->topLevelItem(i)->text(c);
        rows << table->topLevelItem(i)->text(0) + ": " + cells.join(' ');
    }
    return rows;
}

// What a teacher sees after her steps, one probe each: "lines" (the Word column), "column N", whether the
// "problems say TEXT", the "selected" rows, the "buttons" under the word, the open message "boxes", the window
// "title" and "width", the "focus" widget's class, the teacher's "dictionary", the "sentence" above the word, the
// "voice" chosen in the Voices tab.
QString probe(EditorWindow &window, const QString &what)
{
    const auto *table = window.findChild<WordPanel *>()->table();
    const auto column = [&](int c) {
        QStringList cells;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            cells << table->model()->index(row, c).data().toString();
        return cells.join(' ');
    };
    if (what == "voice") {  // the recording chosen in the Voices tab
        auto *voices = window.findChild<VoicePanel *>();
        voices->refresh();
        return voices->selectedWord();
    }
    if (what == "sentence") {
        const auto *label = window.findChild<WordPanel *>()->findChild<QLabel *>("sentence");
        return label->isVisible() ? label->accessibleName() : "hidden";
    }
    if (what == "dictionary")
        return readFile(window.content().userFolder() + "/diccionario-extra.txt");
    if (what == "new words")  // what is left in the box after adding
        return window.findChild<WordPanel *>()->newWords()->toPlainText();
    if (what == "lines")
        return column(0);
    if (what.startsWith("problems say "))  // whether any line's problems say this
        return column(WordListModel::ProblemsColumn).contains(what.section(' ', 2)) ? "yes" : "no";
    if (what.startsWith("column "))
        return column(what.section(' ', 1).toInt());
    if (what == "title")
        return window.windowTitle().replace("[*]", window.isWindowModified() ? "*" : "");
    if (what == "boxes") {  // each message open, and whether it fits on the screen
        QStringList boxes;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && qobject_cast<QDialog *>(w))
                boxes << (w->screen()->availableGeometry().contains(w->frameGeometry()) ? "fits" : "too big");
        return boxes.join(' ');
    }
    if (what == "buttons") {  // the suggestion row's
        QStringList texts;
        for (const QPushButton *b : window.findChild<WordPanel *>()->findChildren<QPushButton *>())
            if (b->isVisible() && b->text() != "&Add to the list")
                texts << b->text();
        return texts.join(", ");
    }
    if (what == "width") {  // against the window's width when it opened
        QTest::qWait(50);   // the layout asks for room through the levels above it, one event each
        return window.width() > window.property("opened at").toInt() ? "wider" : "as wide";
    }
    if (what == "focus")
        return QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "none";
    QStringList rows;
    for (const QModelIndex &index : table->selectionModel()->selectedRows())
        rows << QString::number(index.row() + 1);
    rows.sort();
    return rows.join(' ');
}

// A teacher's step: "click 2" (a row; "ctrl-click 2" adds it; "click 2 4" its fifth column), "newwords" (a
// click into the new-words box), "type TEXT" and "key KEYS" to the focused widget, "import PATH", "menu TEXT"
// (a menu item; a question it asks is answered yes), "button TEXT" (of the words tab, by its text's start).
void step(EditorWindow &window, const QString &what)
{
    const QString verb = what.section(' ', 0, 0), rest = what.section(' ', 1);
    auto *words = window.findChild<WordPanel *>();
    if (verb.endsWith("click")) {
        const QRect cell = words->table()->visualRect(
            words->table()->model()->index(rest.section(' ', 0, 0).toInt() - 1, rest.section(' ', 1).toInt()));
        QTest::mouseClick(words->table()->viewport(), Qt::LeftButton,
                          verb == "click" ? Qt::NoModifier : Qt::ControlModifier, cell.center());
    } else if (verb == "import") {
        window.importFile(rest);
    } else if (verb == "newwords") {
        QTest::mouseClick(words->newWords()->viewport(), Qt::LeftButton);
    } else if (verb == "type") {
        for (const QChar c : rest)  // as a keyboard with accents types them
            if (c == '\n')
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_A, QString(c), Qt::NoModifier);
    } else if (verb == "key") {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(rest));
    } else if (verb == "menu") {
        QTimer::singleShot(0, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Yes)->click();
        });
        for (QAction *action : window.menuBar()->findChildren<QAction *>())
            if (action->text().remove('&') == rest)
                return action->trigger();
        QFAIL(qPrintable("no menu item " + rest));
    } else if (verb == "button") {
        for (QPushButton *button : words->findChildren<QPushButton *>())
            if (button->isVisible() && button->text().remove('&').startsWith(rest))
                return QTest::mouseClick(button, Qt::LeftButton);
        QFAIL(qPrintable("no button " + rest));
    }
}

// The panel once its answers are read (on another thread).
void loaded(ResultsPanel &panel)
{
    QSignalSpy spy(&panel, &ResultsPanel::loaded);
    panel.reload();
    QVERIFY(spy.wait());
}

const QByteArray Header = "hora,alumno,archivo,palabra,modo,posicion,letra,resultado,aciertos,fallos\n";

} // namespace

class TestEditorWindow : public QObject
{
    Q_OBJECT
private slots:
    // The preview lays a word out as the child's window does: a letter without
    // a picture is a pale red box in a place as wide as the other letters.
    void previewOfAMissingLetter()
    {
        testing::ContentTree tree;
        tree.alphabet();
        PictureLoader pictures;
        const QImage preview = drawWordPicture(u"sol9", ContentLocator(tree.root), pictures);
        QCOMPARE(preview.size(), QSize(120, 105));
        QCOMPARE(QColor(preview.pixel(105, 50)), QColor(0xff, 0xcc, 0xcc));
    }

    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path()));
        m_teacher = m_home.path() + QStringLiteral("/tildora/ejercicios");
        // Recordings bundled with the program and in the teacher's folder.
        writeFile(m_home.filePath("programa/sonidospalabras/sol.wav"));
        writeFile(m_home.filePath("programa/sonidospalabras/casa.wav"));
        writeFile(m_home.filePath("tildora/sonidospalabras/casa.wav"));
        // Two days of answers over a bundled list.
        writeFile(m_home.filePath("programa/01-mezcla.txt"), "arbol,1,ar,á,\r\ncasa,2,ca,NO,\r\nraton,4,ton,ó,\r\n");
        writeFile(m_home.filePath("resultados/2026-12-05.csv"),
                  Header + "2026-12-05T09:00:00,Ana,01-mezcla.txt,casa,silaba,2,a,bien,1,0\n");
        writeFile(m_home.filePath("resultados/2026-12-06.csv"),
                  Header + "2026-12-06T10:00:00,Ana,01-mezcla.txt,arbol,tilde,1,a,mal,0,1\n"
                           "2026-12-06T10:00:05,Ana,01-mezcla.txt,arbol,tilde,1,á,bien,1,1\n"
                           "2026-12-06T10:01:00,Teo,01-mezcla.txt,raton,vocal,2,a,mal,0,1\n"
                           "not,a,row\n"
                           "2026-12-06T10:01:09,Teo,01-mezcla.txt,arbol,tilde,,sin-tilde,mal,0,2\n");
        // Files that are not text, one of each kind, the PDF without a zero byte.
        writeFile(m_home.filePath("import/a.docx"), QByteArray("PK\x03\x04\x14\0\x06\0", 8) + "word/document.xml");
        writeFile(m_home.filePath("import/b.pdf"), "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<< /Type /Catalog >>\n");
        writeFile(m_home.filePath("import/c.gif"), readFile(TILDORA_SOURCE_DIR "/content/letrasgifs/a.gif"));
        writeFile(m_home.filePath("import/d.bmp"), QByteArray("BM\x36\x10\0\0\0\0", 8) + "sol\nluna\n");
        // A dictionary of a few words, so that what it knows and suggests is fixed.
        writeFile(m_home.filePath("dic/es_ES.aff"), "SET UTF-8\nTRY esaiorlnctudmpbgvhfzqjyxkwáéíóúñü\n");
        writeFile(m_home.filePath("dic/es_ES.dic"), "4\ncasa\nárbol\ncorta\ncésped\n");
        m_dictionary = std::make_shared<SpanishDictionary>(m_home.filePath("dic"));
        QVERIFY(m_dictionary->isOpen());
    }

    void init()
    {
        QDir(m_teacher).removeRecursively();
        QVERIFY(QDir().mkpath(m_teacher));
    }

    void editSaveAndUndo()
    {
        const QString path = m_teacher + QStringLiteral("/01-animales.txt");
        writeFile(path, "gato,2,ga,NO,\nraton,4,ton,ó,\n");
        EditorWindow window(content());
        QVERIFY(testing::makeFifo(m_teacher + "/02-tubo.txt"));
        QVERIFY(!window.openFile(m_teacher + "/02-tubo.txt"));  // refused at once, never waited on
        QVERIFY(window.openFile(path));
        QVERIFY(!window.isModified());
        window.model()->setData(window.model()->index(0, WordListModel::WordColumn), QStringLiteral("pingüino"));
        QVERIFY(window.isModified());
        QVERIFY(window.save());
        QVERIFY(!window.isModified());
        QCOMPARE(readFile(path), QByteArray("ping\xc3\xbc" "ino,6,g\xc3\xbc" "i,NO,\r\nraton,4,ton,\xc3\xb3,\r\n"));
        window.undoStack()->undo();
        QVERIFY(window.isModified());
        QCOMPARE(window.model()->lines().first(), QStringLiteral("gato,2,ga,NO,"));
    }

    void bundledListsOpenReadOnly()
    {
        EditorWindow window(content());
        QVERIFY(window.openFile(QStringLiteral(TILDORA_SOURCE_DIR "/content/ejercicios/01-llanas-sin-tilde.txt")));
        QVERIFY(window.model()->lines().size() > 3);
        QVERIFY(window.windowTitle().contains(QStringLiteral("read-only")));
    }

    void closingWithUnsavedChangesAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QByteArray>("onDisk");
        QTest::newRow("cancel keeps the window open")
            << int(QMessageBox::Cancel) << false << QByteArray("sol,2,sol,NO,\r\n");
        QTest::newRow("save closes after saving") << int(QMessageBox::Save) << true
                                                  << QByteArray("sol,2,sol,NO,\r\nmar,2,mar,NO,\r\n");
        // A folder put where the list was: the save fails and is told.
        QTest::newRow("a save that fails keeps the window open") << int(QMessageBox::Save) << false
                                                                 << QByteArray("(missing)");
    }

    void closingWithUnsavedChangesAsks()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        EditorWindow window(content());
        QVERIFY(window.openNewList(QStringLiteral("cierre"), {QStringLiteral("sol,2,sol,NO,")}));
        QVERIFY(!window.isModified());
        window.model()->addLines(1, {QStringLiteral("mar,2,mar,NO,")}, QStringLiteral("add"));
        QFETCH(QByteArray, onDisk);
        if (onDisk == "(missing)")
            QVERIFY(QFile::remove(window.currentFile()) && QDir().mkpath(window.currentFile()));
        window.show();
        bool asked = false;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            asked = true;
            box->button(QMessageBox::StandardButton(answer))->click();
        });
        QCOMPARE(window.close(), closed);
        QVERIFY(asked);
        QCOMPARE(readFile(window.currentFile()), onDisk);
        QCOMPARE(window.isModified(), !closed);
    }

    // Saving a bundled list asks for a name of the teacher's own; closing
    // that question unanswered must not close the window and lose the work.
    void closingWithoutNamingTheCopyKeepsTheWork()
    {
        EditorWindow window(content());
        QVERIFY(window.openFile(QStringLiteral(TILDORA_SOURCE_DIR "/content/ejercicios/01-llanas-sin-tilde.txt")));
        window.model()->addLines(0, {QStringLiteral("mar,2,mar,NO,")}, QStringLiteral("add"));
        window.show();
        bool named = false;
        QTimer::singleShot(0, this, [&] {
            qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->button(QMessageBox::Save)->click();
            QTimer::singleShot(0, this, [&] {
                auto *name = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
                QVERIFY(name);
                named = true;
                name->reject();
            });
        });
        QVERIFY(!window.close());
        QVERIFY(named);
        QVERIFY(window.isModified());
        QCOMPARE(window.model()->lines().first(), QStringLiteral("mar,2,mar,NO,"));
        QVERIFY(QDir(m_teacher).isEmpty());
    }

    void teacherSteps_data()
    {
        QTest::addColumn<QStringList>("lists");  // the teacher's, the first open; a list's lines split by spaces
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("probes");
        QTest::addColumn<QStringList>("seen");
        const QString animals = "leon,3,on,ó, raton,4,ton,ó, jirafa,4,ra,NO, oso,1,o,NO,";
        QTest::newRow("new words added after a chosen line: only they stay chosen and are removed")
            << QStringList{animals} << QStringList{"click 2", "newwords", "type gato", "key Ctrl+Return",
                                                   "menu Remove the chosen lines"}
            << QStringList{"lines", "selected"} << QStringList{"león ratón jirafa oso", ""};
        QTest::newRow("lines chosen apart: exactly they are removed")
            << QStringList{animals} << QStringList{"click 1", "ctrl-click 3", "menu Remove the chosen lines"}
            << QStringList{"lines"} << QStringList{"ratón oso"};
        QTest::newRow("a suggestion taken, Ctrl+Z undoes it and the focus stays on the table")
            << QStringList{"arboles,1,ar,á,"} << QStringList{"click 1", "button Use «árbol»", "key Ctrl+Z"}
            << QStringList{"lines", "focus"} << QStringList{"árboles", "QTableView"};
        QTest::newRow("Ctrl+Z in the new-words box with nothing of its own to undo undoes the list's change")
            << QStringList{"arboles,1,ar,á,"} << QStringList{"click 1", "button Use «árbol»", "newwords", "key Ctrl+Z"}
            << QStringList{"lines"} << QStringList{"árboles"};
        QTest::newRow("a line edited by hand: every column follows it")
            << QStringList{animals} << QStringList{"click 2 5", "key F2", "type raton,4,ra,ó,", "key Return",
                                                   "click 3 0", "key F2", "type sofá", "key Return"}
            << QStringList{"lines", "column 1", "column 2", "column 3"}
            << QStringList{"león ratón sofá oso", "le·ÓN ra·tón so·FÁ O·so", "aguda  aguda llana", "yes yes yes no"};
        QTest::newRow("a word typed with its sentence, and one whose sentence lacks it, which is not added")
            << QStringList{""} << QStringList{"newwords", "type tú: ¿Vienes tú al parque?\nmí: Es para ti.", "key Ctrl+Return"}
            << QStringList{"lines", "column 4", "sentence", "boxes", "voice", "new words"}
            << QStringList{"tú", "¿Vienes tú al parque?", "¿Vienes tu al parque?", "fits",
                           ContentLocator::sentenceRecordingName("tu", "¿Vienes tú al parque?"), "mí: Es para ti."};
        QTest::newRow("a sentence written in its cell stays as the word is typed again; the check says what is wrong")
            << QStringList{"tu,2,tu,NO,"} << QStringList{"click 1 4", "key F2", "type ¿Vienes tu al parque?", "key Return",
                                                         "click 1 0", "key F2", "type tú", "key Return"}
            << QStringList{"lines", "column 4", "column 6"}
            << QStringList{"tú", "¿Vienes tu al parque?",
                           "no recording of the sentence, sonidosfrases/"
                               + ContentLocator::sentenceRecordingName("tu", "¿Vienes tu al parque?")
                               + ".wav (Voices → Record the missing words makes it); the sentence writes «tu», not «tú»: "
                                 "is a written accent wrong?; «tú» is not in the Spanish dictionary"};
        QStringList imports;
        for (const char *name : {"a.docx", "b.pdf", "c.gif", "d.bmp"})
            imports << "import " + m_home.filePath(QStringLiteral("import/") + name);
        QTest::newRow("importing a document, a PDF or a picture adds nothing and says so once each")
            << QStringList{animals} << imports << QStringList{"lines", "title", "boxes"}
            << QStringList{"león ratón jirafa oso", "01-lista.txt — Tildora exercise editor", "fits fits fits fits"};
        QTest::newRow("a long list of problems fits on the screen")
            << QStringList{""} << QStringList{"newwords", "type " + QString("m3sa ").repeated(80).replace(' ', '\n'), "key Ctrl+Return"}
            << QStringList{"lines", "boxes"} << QStringList{"", "fits"};
        QTest::newRow("a suggestion the editor would refuse is not offered; the word can be added to the dictionary")
            << QStringList{"cortacesped,7,ces,é,"} << QStringList{"click 1"} << QStringList{"buttons"}
            << QStringList{"Add «cortacésped» to my dictionary"};
        QTest::newRow("a word added to the teacher's dictionary is known from then on")
            << QStringList{"cortacesped,7,ces,é,"} << QStringList{"click 1", "button Add «cortacésped»"}
            << QStringList{"buttons", "dictionary"} << QStringList{"", "cortacésped\n"};
        QTest::newRow("a long word is drawn smaller, the window keeps its width")
            << QStringList{"electroencefalografistamente,9,en,NO,"} << QStringList{"click 1"} << QStringList{"width"}
            << QStringList{"as wide"};
        QTest::newRow("a missing recording points to the editor's own Record the missing words")
            << QStringList{"bruflo,3,bru,NO,"} << QStringList{} << QStringList{"problems say tildora-author",
                                                                  "problems say Record the missing words"}
            << QStringList{"no", "yes"};
        QTest::newRow("deleting the open list shows the next one")
            << QStringList{animals, "rojo,2,ro,NO,"} << QStringList{"menu Delete (to the trash)"}
            << QStringList{"title", "lines"} << QStringList{"02-lista.txt — Tildora exercise editor", "rojo"};
        QTest::newRow("deleting the last list leaves an empty, clean one")
            << QStringList{animals} << QStringList{"menu Delete (to the trash)"} << QStringList{"title", "lines"}
            << QStringList{"new list — Tildora exercise editor", ""};
    }

    void teacherSteps()
    {
        QFETCH(QStringList, lists);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, probes);
        for (int i = 0; i < lists.size(); ++i)
            writeFile(m_teacher + QStringLiteral("/0%1-lista.txt").arg(i + 1), QString(lists.at(i)).replace(' ', '\n').toUtf8());
        EditorWindow window(content());
        window.setDictionary(m_dictionary);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.setProperty("opened at", window.width());
        QVERIFY(window.openFile(m_teacher + "/01-lista.txt"));
        for (const QString &s : std::as_const(steps)) {
            step(window, s);
            QApplication::processEvents();  // an edited cell is committed from the event loop
        }
        QStringList seen;
        for (const QString &p : std::as_const(probes))
            seen << probe(window, p);
        QTEST(seen, "seen");
    }

    void voicesShowWhereEachRecordingIs()
    {
        VoicePanel panel(voices());
        panel.show();
        panel.setLines({"sol,2,sol,NO,", "casa,2,ca,NO,", "raton,4,ton,ó,", "sol,2,sol,NO,Sale el sol.,"});
        QCOMPARE(rowsOf(panel.table()), (QStringList{"sol: sol bundled with Tildora", "casa: casa in your folder",
                                                     "raton: ratón missing", "sol (sentence): Sale el sol. missing"}));
        for (int row = 0; row < 4; ++row)  // what is missing stands out
            QCOMPARE(panel.table()->topLevelItem(row)->foreground(2).style() != Qt::NoBrush, row >= 2);
        panel.selectWord(ContentLocator::sentenceRecordingName("sol", "Sale el sol."));
        QCOMPARE(panel.table()->currentItem()->text(1), QStringLiteral("Sale el sol."));
        const QList<QPushButton *> buttons = panel.findChildren<QPushButton *>();
        const auto recordMissing = std::find_if(buttons.cbegin(), buttons.cend(), [](QPushButton *b) {
            return b->text().contains("missing");
        });
        QVERIFY(recordMissing != buttons.cend());
        QVERIFY((*recordMissing)->isEnabled());
        if (!missingRecordingPackages().isEmpty())
            QSKIP("espeak-ng and sox are needed");
        QSignalSpy finished(panel.job(), &RecordingJob::finished);
        (*recordMissing)->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);
        // Made where Tildora looks for the teacher's recordings, the sentence in its own folder.
        QCOMPARE(rowsOf(panel.table()).mid(2), (QStringList{"raton: ratón in your folder",
                                                            "sol (sentence): Sale el sol. in your folder"}));
    }

    void voicesNameAMissingSpeechProgram()
    {
        QTemporaryDir bin;
        writeFile(bin.filePath("espeak-ng"), {}, true);  // sox is missing
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        VoicePanel panel(voices());
        panel.setLines({"raton,4,ton,ó,"});
        QSignalSpy started(panel.job(), &RecordingJob::progressed);
        panel.recordMissing();
        qputenv("PATH", path);
        QVERIFY2(panel.notice()->text().endsWith("sudo apt install sox"), qPrintable(panel.notice()->text()));
        QVERIFY(!panel.job()->isRunning());
        QCOMPARE(started.size(), 0);
    }

    void voicesSayThereIsNoMicrophone()
    {
        if (!QMediaDevices::audioInputs().isEmpty())
            QSKIP("this machine has a microphone");
        VoicePanel panel(voices());
        panel.show();
        panel.setLines({"sol,2,sol,NO,"});
        panel.selectWord("sol");
        panel.recordOwnVoice();  // would block in a dialog if it opened one
        QVERIFY2(panel.notice()->text().contains("No microphone"), qPrintable(panel.notice()->text()));
    }

    void audioModuleLoadsFromTheProgramFolder()
    {
        QObject owner;
        const QStringList folders{QStringLiteral("/nonexistent"), QStringLiteral(TILDORA_BINARY_DIR)};
        EditorAudio *audio = loadEditorAudio(folders, &owner);
        QVERIFY(audio);
        QCOMPARE(audio->hasInput(), !QMediaDevices::audioInputs().isEmpty());
        QCOMPARE(audio->hasOutput(), !QMediaDevices::audioOutputs().isEmpty());
        QCOMPARE(loadEditorAudio({QDir::tempPath()}, this), nullptr);  // no module there
        // A recording it cannot read is told, read by Qt's own WAV reader (no media framework plug-in).
        QString told;
        writeFile(m_home.filePath("roto.wav"), QByteArray(200, 'x'));
        audio->playFile(m_home.filePath("roto.wav"), this, [&](const QString &t) { told = t; });
        QTRY_COMPARE(told, QStringLiteral("the file is not a WAV recording the editor can play"));
        if (audio->hasInput())
            return;
        RawAudioFormat format;
        QCOMPARE(audio->startInput(&format), nullptr);
        QVERIFY(!audio->isRecording());
    }

    void resultsSummaries_data()
    {
        QTest::addColumn<QString>("child");  // empty: all children
        QTest::addColumn<QDate>("from");     // invalid: from the first day
        QTest::addColumn<QStringList>("children");  // answers, % right by mode, then by kind
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<qreal>("week");  // the chart's share right of the week
        // The class list also names Bea, who never answered, and "teo" as Teo.
        const QStringList everyDay{"The whole class: 5 0 100 33 0 50 – – – 25 100 – –",
                                   "Ana: 3 – 100 50 – 67 – – – 50 100 – –", "Teo: 2 0 – 0 0 0 – – – 0 – – –",
                                   "Bea: 0 – – – – – – – – – – – –"};
        QTest::newRow("all children, the class's days newest first, broken row skipped")
            << QString() << QDate() << everyDay << QStringList{"The whole class 4 1 25", "The whole class 1 1 100"}
            << QStringList{"árbol: 3 2 llana, con tilde", "ratón: 1 1 aguda, con tilde", "casa: 1 0 llana, sin tilde"}
            << 40.0;
        QTest::newRow("one child") << "Teo" << QDate() << everyDay << QStringList{"Teo 2 0 0"}
                                   << QStringList{"árbol: 1 1 llana, con tilde", "ratón: 1 1 aguda, con tilde"} << 0.0;
        QTest::newRow("from a day on")
            << QString() << QDate(2026, 12, 6)
            << QStringList{"The whole class: 4 0 – 33 0 33 – – – 25 – – –", "Ana: 2 – – 50 – 50 – – – 50 – – –",
                           everyDay[2], everyDay[3]}
            << QStringList{"The whole class 4 1 25"}
            << QStringList{"árbol: 3 2 llana, con tilde", "ratón: 1 1 aguda, con tilde"} << 25.0;
    }

    void resultsSummaries()
    {
        QFETCH(QString, child);
        QFETCH(QDate, from);
        writeFile(ResultsPanel::classListPath(), "Ana\nteo\nBea\n");
        ResultsPanel panel(m_home.filePath("resultados"), {m_teacher, m_home.filePath("programa")});
        loaded(panel);
        if (!child.isEmpty())
            panel.childFilter()->setCurrentIndex(panel.childFilter()->findData(child));
        if (from.isValid())
            panel.fromDay()->setDate(from);
        QStringList shownDays = rowsOf(panel.days());
        for (QString &row : shownDays)
            row = row.section(": ", 1);  // the day as the locale writes it
        QTEST(rowsOf(panel.children()), "children");
        QTEST(shownDays, "days");
        QTEST(rowsOf(panel.words()), "words");
        QCOMPARE(panel.chart()->series()->count(), 1);
        QTEST(panel.chart()->series()->at(0).y(), "week");
        QFile::remove(ResultsPanel::classListPath());
        // Days that would run backwards move together instead.
        const QDate last = panel.toDay()->date();
        panel.toDay()->setDate(panel.toDay()->minimumDate());
        panel.fromDay()->setDate(last);
        QCOMPARE(panel.toDay()->date(), last);
        panel.toDay()->setDate(panel.toDay()->minimumDate());
        QCOMPARE(panel.fromDay()->date(), panel.toDay()->minimumDate());
    }

    void resultsActions_data()
    {
        QTest::addColumn<QString>("child");  // empty: the class
        QTest::addColumn<int>("kind");       // -1: any
        QTest::addColumn<QStringList>("list");  // the new list's words; the page's words missed
        QTest::addColumn<QString>("named");     // the list's name before the day
        QTest::newRow("the class, any kind") << QString() << -1 << QStringList{"árbol", "ratón"} << "01-repaso-";
        QTest::newRow("the class, agudas") << QString() << int(AgudaGroup) << QStringList{"ratón"} << "01-repaso-aguda-";
        QTest::newRow("a child, llanas") << "Ana" << int(LlanaGroup) << QStringList{"árbol"} << "01-repaso-Ana-llana-";
        QTest::newRow("a child without a miss of the kind") << "Ana" << int(AgudaGroup) << QStringList{} << "";
    }

    void resultsActions()
    {
        QFETCH(QString, child);
        QFETCH(int, kind);
        QFETCH(QStringList, list);
        const QTemporaryDir lists;
        ResultsPanel panel(m_home.filePath("resultados"), {lists.path(), m_home.filePath("programa")});
        loaded(panel);
        panel.childFilter()->setCurrentIndex(std::max(0, panel.childFilter()->findData(child)));
        panel.kindChoice()->setCurrentIndex(panel.kindChoice()->findData(kind));
        const QString path = panel.newListFromMissedWords();
        QStringList words;  // most missed first
        const QString text = path.isEmpty() ? QString() : QString::fromUtf8(readFile(path));
        for (const QString &line : text.split("\r\n", Qt::SkipEmptyParts))
            words << withWrittenAccent(line.section(',', 0, 0), line.section(',', 1, 1).toInt(), line.section(',', 3, 3));
        QCOMPARE(words, list);
        QCOMPARE(path.isEmpty(), list.isEmpty());
        QFETCH(QString, named);
        if (!path.isEmpty())
            QCOMPARE(QFileInfo(path).fileName(), named + QDate::currentDate().toString(Qt::ISODate) + ".txt");
        // The page for the parents' meeting: the child or class, the words as seen, on one page.
        const QString page = panel.summaryPage();
        QVERIFY(page.contains(child.isEmpty() ? "The whole class" : "Tildora: " + child));
        QVERIFY(page.contains("ratón") == (child.isEmpty()));
        // Counts and shares line up on the right, as numbers do in a table.
        QVERIFY(page.contains("<td align=\"right\">"));
        QVERIFY2(!page.contains(QRegularExpression("<td>[\\d\\s%–]+</td>")), qPrintable(page));
        // Every tag closes: nothing of the markup reaches the page as text.
        const QString seen = QTextDocumentFragment::fromHtml(page).toPlainText();
        QVERIFY2(!seen.contains('<') && !seen.contains('='), qPrintable(seen));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(lists.filePath("resumen.pdf"));
        panel.printSummary(&printer);
        const QByteArray pdf = readFile(printer.outputFileName());
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n"), 1);
    }

    void weakestKind_data()
    {
        QTest::addColumn<QList<int>>("answersAndRight");  // of each kind in turn
        QTest::addColumn<int>("weakest");
        QTest::newRow("the smallest share right") << QList<int>{10, 9, 12, 6, 20, 15} << 1;
        QTest::newRow("a kind answered too few times is not weighed") << QList<int>{10, 9, 9, 0} << 0;
        QTest::newRow("shares compared exactly, not rounded") << QList<int>{1000, 667, 1001, 667} << 1;
        QTest::newRow("none answered enough") << QList<int>{9, 0} << -1;
    }

    void weakestKind()
    {
        QFETCH(QList<int>, answersAndRight);
        ChildSummary child;
        for (qsizetype i = 0; i + 1 < answersAndRight.size(); i += 2)
            child.byGroup << Tally{answersAndRight[i], answersAndRight[i + 1]};
        QTEST(weakestGroup(child, 10), "weakest");
    }

    void classList_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("saved");  // empty: not saved, the dialog stays open
        QTest::newRow("names trimmed, blank lines and repeats left out")
            << " Ana  María \n\nteo\nAna María\nTeo\n" << QByteArray("Ana María\nteo\n");
        QTest::newRow("a folder where the file should be") << "Ana" << QByteArray();
    }

    void classList()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, saved);
        const QString path = ResultsPanel::classListPath();
        QCOMPARE(path, m_home.filePath("tildora/alumnos.txt"));
        QFile::remove(path);
        if (saved.isEmpty())
            QVERIFY(QDir().mkpath(path));
        ClassListDialog dialog(path, {"Ana"});
        QCOMPARE(dialog.editor()->toPlainText(), "Ana");  // no list yet: the children of the results
        dialog.show();
        dialog.editor()->setPlainText(typed);
        dialog.accept();
        QCOMPARE(dialog.isVisible(), saved.isEmpty());
        QCOMPARE(readFile(path), saved.isEmpty() ? QByteArray("(missing)") : saved);
        QDir(path).removeRecursively();
    }

    void resultsAddedFromAFolder()
    {
        const QTemporaryDir stick, own;
        writeFile(stick.filePath("2026-12-04.csv"), Header + "2026-12-04T09:00:00,Eva,01-mezcla.txt,casa,silaba,2,a,bien,1,0\n");
        ResultsPanel panel(own.path(), {m_home.filePath("programa")});
        loaded(panel);
        for (const QString said : {"1 answer(s) added; 0 already there.", "0 answer(s) added; 1 already there."}) {
            QSignalSpy spy(&panel, &ResultsPanel::loaded);
            panel.addResultsFrom(stick.path());
            QVERIFY(spy.wait());
            QCOMPARE(panel.notice()->text(), said);
            QCOMPARE(rowsOf(panel.days()).join(' ').section(": ", 1), "Eva 1 1 100");
        }
    }

    void resultsBeforeAnyAnswer()
    {
        const QString lists = m_home.filePath("no-lists-yet");
        ResultsPanel panel(m_home.filePath("nada"), {lists});
        loaded(panel);
        QCOMPARE(panel.days()->topLevelItemCount(), 0);
        QVERIFY2(panel.notice()->text().startsWith("No answers kept yet"), qPrintable(panel.notice()->text()));
        QVERIFY(panel.newListFromMissedWords().isEmpty());
        QVERIFY(!QFileInfo::exists(lists));
    }

    void spanishMenusAndCounts()
    {
        // The editor's catalogues; a language without one falls back to English in the shared loader.
        const QLocale spain(QLocale::Spanish, QLocale::Spain);
        installTranslations(*qApp, spain, QStringLiteral(TILDORA_BINARY_DIR "/translations"));
        EditorWindow window(content());
        window.model()->resetLines({QStringLiteral("sol,2,sol,NO,"), QStringLiteral("mar,2,mar,NO,")});
        QStringList menus;
        for (const QAction *action : window.menuBar()->actions())
            menus << action->text();
        QVERIFY2(menus.contains(QStringLiteral("&Archivo")), qPrintable(menus.join(QLatin1Char(' '))));
        QVERIFY(window.statusBar()->findChild<QLabel *>()->text().startsWith(QStringLiteral("2 palabras")));
        // English, or a language with no catalogue, reads the English plural forms alone.
        for (const QLocale &locale : {QLocale(QLocale::English), QLocale(QLocale::German)}) {
            for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
                QCoreApplication::removeTranslator(translator);
                delete translator;
            }
            QVERIFY(!installTranslations(*qApp, locale, QStringLiteral(TILDORA_BINARY_DIR "/translations")));
            window.model()->resetLines({QStringLiteral("sol,2,sol,NO,")});
            QVERIFY(window.statusBar()->findChild<QLabel *>()->text().startsWith(QStringLiteral("1 word · 0 errors")));
        }
    }

private:
    QTemporaryDir m_home;
    std::shared_ptr<SpanishDictionary> m_dictionary;
    QString m_teacher;
    ContentLocator content() const
    {
        return ContentLocator(QStringLiteral(TILDORA_SOURCE_DIR "/content"),
                              m_home.path() + QStringLiteral("/tildora"));
    }
    ContentLocator voices() const
    {
        return ContentLocator(m_home.filePath("programa"), m_home.path() + QStringLiteral("/tildora"));
    }
};

QTEST_MAIN(TestEditorWindow)
#include "tst_editorwindow.moc"
