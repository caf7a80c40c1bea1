#include "widgets/letterstrip.h"
#include "window/classroomaccess.h"
#include "window/form1.h"
#include "content/installlayout.h"
#include "platform/commandline.h"
#include "platform/fontwarmup.h"
#include "platform/stopsignals.h"
#include "platform/languages.h"
#include "results/classlist.h"
#include "results/resultsplace.h"
#include "window/childchooser.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// With TILDORA_QUIT_AFTER_FIRST_WORD set, the program says which word it drew
// from which content folder once that word is on screen, and quits: used to
// check an installation and to time the start-up.
class FirstWordWatch : public QObject
{
public:
    FirstWordWatch(tildora::Form1 &form) : m_form(form) { form.Picture2->letter(0)->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            std::printf("tildora: first word drawn: %s (content: %s)\n", qPrintable(m_form.item().CurrentWord),
                        qPrintable(m_form.locator().programFolder()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    tildora::Form1 &m_form;
    bool m_done = false;
};

// What the command line asks of this run.
struct Options {
    bool keepAnswers = true;
    QString child;
    bool fullScreen = false;
    QString resultsFolder;  // a folder several computers share, or empty
};

// --help and --version answer here and end the program.
Options readCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Find the stressed vowel, the stressed syllable and the written accent of Spanish words."));
    // Help in our own words: Qt's own are not in every language we speak.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("main", "Show this help."));
    const QCommandLineOption version(QStringLiteral("version"), QCoreApplication::translate("main", "Show the version."));
    const QCommandLineOption child(QStringLiteral("child"),
                                   QCoreApplication::translate("main", "Keep the answers under this child's name."),
                                   QCoreApplication::translate("main", "NAME"));
    const QCommandLineOption noResults(QStringLiteral("no-results"),
                                       QCoreApplication::translate("main", "Keep no answers on this computer."));
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"),
                                        QCoreApplication::translate("main", "Start in the full-screen view (F11 leaves it)."));
    const QCommandLineOption resultsFolder(
        QStringLiteral("results-folder"),
        QCoreApplication::translate("main", "Keep the answers in this folder, shared with other computers."),
        QCoreApplication::translate("main", "DIR"));
    parser.addOptions({help, version, child, noResults, fullScreen, resultsFolder});
    parser.process(app);
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version)) {
        std::printf("tildora %s\n", TILDORA_VERSION);
        std::exit(0);
    }
    return {!parser.isSet(noResults), parser.value(child), parser.isSet(fullScreen), parser.value(resultsFolder)};
}

// The desktop's language, when it is not English and Tildora has it.
void speakDesktopLanguage(QCoreApplication &app)
{
    if (tildora::speaksEnglish(QLocale()))
        return;
    const QString folder = tildora::contentFolder(QCoreApplication::applicationDirPath()) + QStringLiteral("/translations");
    tildora::installLanguage(app, QLocale(), {QStringLiteral("tildora")}, folder);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Tildora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TILDORA_VERSION));
    if (tildora::asksOnlyForText(argc, argv)) {
        QCoreApplication textOnly(argc, argv);
        speakDesktopLanguage(textOnly);
        readCommandLine(textOnly);
    }
    QApplication app(argc, argv);
    tildora::quitOnStopSignals(app);
    speakDesktopLanguage(app);
    const Options options = readCommandLine(app);
    // After the command line, which may end the program at once.
    const tildora::FontWarmUp fonts;

    tildora::Form1 form(tildora::contentFolder(QCoreApplication::applicationDirPath()));
    form.setUserContentFolder(tildora::userContentFolder());
    if (options.keepAnswers) {
        const tildora::ResultsPlace place =
            tildora::resultsPlace(tildora::userContentFolder() + QStringLiteral("/resultados"), options.resultsFolder);
        form.keepAnswers(place.folder, options.child, place.sharedAs, place.fallback);
    }
    form.Form_Load();
    std::unique_ptr<FirstWordWatch> watch;
    if (qEnvironmentVariableIsSet("TILDORA_QUIT_AFTER_FIRST_WORD"))
        watch = std::make_unique<FirstWordWatch>(form);
    // With a class list, answers kept and no name given, the children pick
    // their names (not when only the first word is looked for).
    std::unique_ptr<tildora::ChildChooser> chooser;
    if (const auto names = tildora::readClassList(tildora::classListPath(tildora::userContentFolder()));
        options.keepAnswers && options.child.isEmpty() && !watch && names && !names->isEmpty())
        chooser = std::make_unique<tildora::ChildChooser>(form, *names, options.fullScreen);
    if (chooser) {
        chooser->showNames();
    } else {
        form.show();
        // A classroom projector: start in the full-screen view (F11 leaves it).
        if (options.fullScreen)
            form.classroom().enterFullScreen();
    }
    return app.exec();
}
