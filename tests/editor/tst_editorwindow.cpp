// The teacher's window driven as a teacher would: open, edit, save, undo,
// the usual keys, and the question before unsaved changes are lost.
#include "editorwindow.h"
#include "translations.h"

#include "authoring/wordlistmodel.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTranslator>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

using namespace tildora;

class TestEditorWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path()));
        m_teacher = m_home.path() + QStringLiteral("/tildora/ejercicios");
    }

    void init()
    {
        QDir(m_teacher).removeRecursively();
        QVERIFY(QDir().mkpath(m_teacher));
    }

    void editSaveAndUndo()
    {
        const QString path = m_teacher + QStringLiteral("/01-animales.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("gato,2,ga,NO,\nraton,4,ton,ó,\n");
        file.close();

        EditorWindow window(content());
        QVERIFY(window.openFile(path));
        QCOMPARE(window.model()->lines().size(), 2);
        QVERIFY(!window.isModified());
        window.model()->setData(window.model()->index(0, WordListModel::WordColumn), QStringLiteral("pingüino"));
        QVERIFY(window.isModified());
        QVERIFY(window.save());
        QVERIFY(!window.isModified());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("ping\xc3\xbc" "ino,6,g\xc3\xbc" "i,NO,\r\nraton,4,ton,\xc3\xb3,\r\n"));
        file.close();
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
        QCOMPARE(window.model()->errorCount(), 0);
    }

    void newListFromLines()
    {
        EditorWindow window(content());
        QVERIFY(window.openNewList(QStringLiteral("repaso"), {QStringLiteral("sol,2,sol,NO,")}));
        QCOMPARE(window.currentFile(), m_teacher + QStringLiteral("/01-repaso.txt"));
        QFile file(window.currentFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("sol,2,sol,NO,\r\n"));
        QVERIFY(!window.isModified());
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
        QFETCH(QByteArray, onDisk);
        EditorWindow window(content());
        QVERIFY(window.openNewList(QStringLiteral("cierre"), {QStringLiteral("sol,2,sol,NO,")}));
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
        QFile file(window.currentFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), onDisk);
    }

    void languages_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("words");
        QTest::newRow("Spanish of Spain") << QLocale(QLocale::Spanish, QLocale::Spain) << QStringLiteral("&Archivo")
                                          << QStringLiteral("2 palabras");
        QTest::newRow("German: no translation, so English") << QLocale(QLocale::German) << QStringLiteral("&File")
                                                            << QStringLiteral("2 word(s)");
    }

    void languages()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, file);
        QFETCH(QString, words);
        const QList<QTranslator *> before = qApp->findChildren<QTranslator *>();
        installTranslations(*qApp, locale, QStringLiteral(TILDORA_BINARY_DIR "/translations"));
        EditorWindow window(content());
        window.model()->resetLines({QStringLiteral("sol,2,sol,NO,"), QStringLiteral("mar,2,mar,NO,")});
        QStringList menus;
        for (const QAction *action : window.menuBar()->actions())
            menus << action->text();
        QVERIFY2(menus.contains(file), qPrintable(menus.join(QLatin1Char(' '))));
        QVERIFY(window.statusBar()->findChild<QLabel *>()->text().startsWith(words));
        for (QTranslator *translator : qApp->findChildren<QTranslator *>())
            if (!before.contains(translator)) {
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
};

QTEST_MAIN(TestEditorWindow)
#include "tst_editorwindow.moc"
