// The programs' command lines: help and version without a display,
// bad options refused, and a start-up that keeps answers opens nothing.
#include "platform/commandline.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

struct Run {
    int exit = -1;
    QString out;
    QString err;
};

Run runTildora(const QStringList &args, const QProcessEnvironment &env, const QString &program = TILDORA_EXE)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(60000))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QProcessEnvironment withoutDisplay(const QString &dataHome)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    env.insert("XDG_DATA_HOME", dataHome);
    return env;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void answersWithoutAWindow_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");  // a piece of standard output
        QTest::addColumn<QString>("err");  // a piece of standard error
        const QString child = TILDORA_EXE, editor = TILDORA_EDITOR_EXE;
        QTest::newRow("version") << child << QStringList{"--version"} << 0 << "tildora 1.1.0\n" << "";
        QTest::newRow("help names the switch that keeps nothing")
            << child << QStringList{"-h"} << 0 << "--no-results" << "";
        QTest::newRow("unknown option") << child << QStringList{"--results", "--help"} << 1 << ""
                                        << "Unknown option 'results'";
        QTest::newRow("help names the shared results folder") << child << QStringList{"-h"} << 0 << "--results-folder" << "";
        QTest::newRow("the editor's version") << editor << QStringList{"--version"} << 0 << "tildora-editor 1.1.0\n" << "";
        QTest::newRow("the editor's help") << editor << QStringList{"--help"} << 0 << "[FILE…]" << "";
    }

    void answersWithoutAWindow()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QTemporaryDir data;
        const Run run = runTildora(args, withoutDisplay(data.path()), program);
        QTEST(run.exit, "exit");
        QFETCH(QString, out);
        QFETCH(QString, err);
        if (out.endsWith('\n'))
            QCOMPARE(run.out, out);
        else
            QVERIFY2(run.out.contains(out), qPrintable(run.out));
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
    }

    // Every line of the help in the desktop's language, Qt's own lines too.
    void helpInSpanish()
    {
        QTemporaryDir data;
        QProcessEnvironment env = withoutDisplay(data.path());
        env.insert("LC_ALL", "es_ES.UTF-8");
        for (const QString &program : {QStringLiteral(TILDORA_EXE), QStringLiteral(TILDORA_EDITOR_EXE)}) {
            const Run run = runTildora({"--help"}, env, program);
            QCOMPARE(run.exit, 0);
            QVERIFY2(run.out.contains("Muestra esta ayuda.") && !run.out.contains("Displays"), qPrintable(run.out));
        }
    }

    void startUpOpensNoResults_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("a child's name that looks like a path") << QStringList{"--child", "../../etc/Ana"};
        QTest::newRow("keeping turned off") << QStringList{"--no-results", "--child", "Ana"};
    }

    // Nothing of the answers is opened before the first frame: the data folder
    // stays as it was until a child answers.
    void startUpOpensNoResults()
    {
        QFETCH(QStringList, args);
        QTemporaryDir data;
        QProcessEnvironment env = withoutDisplay(data.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TILDORA_QUIT_AFTER_FIRST_WORD", "1");
        const Run run = runTildora(args, env);
        QCOMPARE(run.exit, 0);
        QVERIFY2(run.out.contains("first word drawn"), qPrintable(run.out + run.err));
        QCOMPARE(QDir(data.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    // A session that ends (SIGTERM) closes the game as its window would, so
    // the answers still being written are finished or said, not dropped.
    // Only help and the version are answered before a display is opened.
    void textOnlyArguments_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<bool>("textOnly");
        QTest::newRow("a child's name") << QByteArrayList{"--child", "Ana"} << false;
        QTest::newRow("nothing") << QByteArrayList{} << false;
        QTest::newRow("help after another option") << QByteArrayList{"--fullscreen", "-h"} << true;
        QTest::newRow("the version") << QByteArrayList{"--version"} << true;
    }

    void textOnlyArguments()
    {
        QFETCH(QByteArrayList, arguments);
        arguments.prepend("tildora");
        std::vector<char *> argv;
        for (QByteArray &a : arguments)
            argv.push_back(a.data());
        QTEST(tildora::asksOnlyForText(int(argv.size()), argv.data()), "textOnly");
    }

    void stopSignalClosesTheGame()
    {
        QTemporaryDir data;
        QProcessEnvironment env = withoutDisplay(data.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TILDORA_EXE), {"--child", "Ana"});
        QVERIFY(p.waitForStarted());
        // The signal goes once the program has said it catches it; before its
        // exec, the child still holds the test's own handlers.
        const auto catchesTerm = [&p] {
            if (QFileInfo(QStringLiteral("/proc/%1/exe").arg(p.processId())).canonicalFilePath()
                != QFileInfo(QStringLiteral(TILDORA_EXE)).canonicalFilePath())
                return false;
            QFile status(QStringLiteral("/proc/%1/status").arg(p.processId()));
            if (!status.open(QIODevice::ReadOnly))
                return false;
            for (const QByteArray &line : status.readAll().split('\n'))
                if (line.startsWith("SigCgt:"))
                    return ((line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1) == 1;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(catchesTerm(), 60000);
        p.terminate();
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
