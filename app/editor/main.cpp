// tildora-editor: the teacher's window for making and checking exercise lists.
#include "editor/deferredicons.h"
#include "editor/editoraudio.h"
#include "editor/editorwindow.h"
#include "editor/translations.h"

#include "authoring/dictionary.h"
#include "content/installlayout.h"
#include "platform/commandline.h"
#include "platform/fontwarmup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFutureWatcher>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

#include <cstdio>
#include <cstdlib>
#include <utility>

using namespace tildora;

namespace {

// Reports the first frame on standard output and quits: how the start-up
// benchmark times the window.
class FirstFrame : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            std::printf("painted\n");
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

// The files to open; --help and --version answer here and end the program.
QStringList readCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Makes and checks Tildora's exercise lists: words, syllables, accents, spelling and recordings."));
    // Help and version in our own words: Qt's own are not in every language we speak.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("main", "Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("main", "Show the version."));
    parser.addOptions({help, version});
    parser.addPositionalArgument(QCoreApplication::translate("main", "FILE"),
                                 QCoreApplication::translate("main", "Exercise lists or word lists to open."),
                                 QCoreApplication::translate("main", "[FILE…]"));
    parser.process(app);
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version)) {
        std::printf("tildora-editor %s\n", TILDORA_VERSION);
        std::exit(0);
    }
    return parser.positionalArguments();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("tildora-editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TILDORA_VERSION));
    if (asksOnlyForText(argc, argv)) {
        QCoreApplication textOnly(argc, argv);
        installTranslations(textOnly, QLocale(),
                            contentFolder(QCoreApplication::applicationDirPath()) + QStringLiteral("/translations"));
        readCommandLine(textOnly);
    }
    QApplication app(argc, argv);
    QApplication::setStyle(new DeferredIconStyle);
    QApplication::setDesktopFileName(QStringLiteral("org.example.tildora.editor"));
    const QString bundled = contentFolder(QCoreApplication::applicationDirPath());
    setEditorAudioFolders(soundModuleFolders(QCoreApplication::applicationDirPath()));
    installTranslations(app, QLocale(), bundled + QStringLiteral("/translations"));
    const QStringList files = readCommandLine(app);
    // After the command line, which may end the program at once.
    const FontWarmUp fonts;

    const ContentLocator content(bundled, userContentFolder());
    QList<QPointer<EditorWindow>> windows;
    for (qsizetype i = 0; i < std::max<qsizetype>(files.size(), 1); ++i) {
        auto *window = new EditorWindow(content);
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (i < files.size())
            window->openFile(files.at(i));
        window->show();
        windows << window;
    }
    if (qEnvironmentVariableIsSet("TILDORA_QUIT_AFTER_FIRST_FRAME"))
        windows.first()->installEventFilter(new FirstFrame);

    // Hunspell takes a while to read the Spanish dictionary: the window is
    // usable at once and the spelling check joins in when it is ready.
    QFutureWatcher<std::shared_ptr<SpanishDictionary>> loading;
    QObject::connect(&loading, &QFutureWatcherBase::finished, &app, [&] {
        const std::shared_ptr<SpanishDictionary> dictionary = loading.result();
        for (const QPointer<EditorWindow> &window : std::as_const(windows))
            if (window)
                window->setDictionary(dictionary);
    });
    // It starts once the first window is on screen: on a machine with few
    // cores it would otherwise hold the window up.
    bool started = false;
    const auto startLoading = [&loading, &started, content] {
        if (std::exchange(started, true))
            return;
        loading.setFuture(QtConcurrent::run([content] {
            auto dictionary = std::make_shared<SpanishDictionary>();
            // Words the system dictionary lacks: the content's list and the teacher's.
            for (const QString &folder : {content.programFolder(), content.userFolder()})
                if (!folder.isEmpty())
                    dictionary->addWords(folder + QStringLiteral("/diccionario-extra.txt"));
            return dictionary;
        }));
    };
    for (const QPointer<EditorWindow> &window : std::as_const(windows))
        QObject::connect(window, &EditorWindow::panelsAttached, &app, startLoading);
    return app.exec();
}
