// The teacher's window driven as a teacher would: open, edit, save, undo, the
// question before unsaved changes are lost, its Spanish; its Voices tab (which
// words have recordings, what is said when a program or the microphone is
// missing), its Results tab (answers per child and day, words most missed
// first, broken rows skipped) and the audio module it loads.
#include "editor/editoraudio.h"
#include "editor/editorwindow.h"
#include "editor/resultspanel.h"
#include "editor/translations.h"
#include "editor/voicepanel.h"
#include "editor/wordpicture.h"

#include "authoring/recordingjob.h"
#include "authoring/wordlistmodel.h"

#include <QAction>
#include <QApplication>
#include <QAudioDevice>
#include <QComboBox>
#include <QLabel>
#include <QMediaDevices>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
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
        tree.letter("s", 20);
        tree.letter("o", 40);
        tree.letter("l", 30);
        PictureLoader pictures;
        QString missing;
        const QImage preview = drawWordPicture(u"sol9", ContentLocator(tree.root), pictures, &missing);
        QCOMPARE(preview.size(), QSize(120, 105));
        QCOMPARE(missing, QString("9"));
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
    }

    void closingWithUnsavedChangesAsks()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        EditorWindow window(content());
        QVERIFY(window.openNewList(QStringLiteral("cierre"), {QStringLiteral("sol,2,sol,NO,")}));
        QVERIFY(!window.isModified());
        window.model()->addLines(1, {QStringLiteral("mar,2,mar,NO,")}, QStringLiteral("add"));
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
        QTEST(readFile(window.currentFile()), "onDisk");
    }

    void voicesShowWhereEachRecordingIs()
    {
        VoicePanel panel(voices());
        panel.show();
        panel.setLines({"sol,2,sol,NO,", "casa,2,ca,NO,", "raton,4,ton,ó,"});
        QCOMPARE(rowsOf(panel.table()), (QStringList{"sol: sol bundled with Tildora", "casa: casa in your folder",
                                                     "raton: ratón missing"}));
        const QList<QPushButton *> buttons = panel.findChildren<QPushButton *>();
        const auto recordMissing = std::find_if(buttons.cbegin(), buttons.cend(), [](QPushButton *b) {
            return b->text().contains("missing");
        });
        QVERIFY(recordMissing != buttons.cend());
        QVERIFY((*recordMissing)->isEnabled());
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
        if (audio->hasInput())
            return;
        RawAudioFormat format;
        QCOMPARE(audio->startInput(&format), nullptr);
        QVERIFY(!audio->isRecording());
    }

    void resultsSummaries_data()
    {
        QTest::addColumn<QString>("child");  // empty: all children
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("all children, newest day first, broken row skipped")
            << QString() << QStringList{"Ana 2 1 50", "Teo 2 0 0", "Ana 1 1 100"}
            << QStringList{"arbol: 3 2", "raton: 1 1", "casa: 1 0"};
        QTest::newRow("one child") << "Teo" << QStringList{"Teo 2 0 0"} << QStringList{"arbol: 1 1", "raton: 1 1"};
    }

    void resultsSummaries()
    {
        QFETCH(QString, child);
        ResultsPanel panel(m_home.filePath("resultados"), {m_teacher, m_home.filePath("programa")});
        panel.reload();
        if (!child.isEmpty())
            panel.childFilter()->setCurrentIndex(panel.childFilter()->findData(child));
        QStringList shownDays = rowsOf(panel.days());
        for (QString &row : shownDays)
            row = row.section(": ", 1);  // the day as the locale writes it
        QTEST(shownDays, "days");
        QTEST(rowsOf(panel.words()), "words");
    }

    void resultsBeforeAnyAnswer()
    {
        const QString lists = m_home.filePath("no-lists-yet");
        ResultsPanel panel(m_home.filePath("nada"), {lists});
        panel.reload();
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
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

private:
    QTemporaryDir m_home;
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
