#include "authoring/recorder.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QCoreApplication>

namespace tildora {
namespace {
// Context of this file's messages for the translations.
struct WordRecorderText { Q_DECLARE_TR_FUNCTIONS(tildora::WordRecorderText) };
} // namespace
namespace {

bool run(const QString &program, const QStringList &arguments, QString *error)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        if (error)
            *error = WordRecorderText::tr("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAll()).trimmed());
        return false;
    }
    return true;
}

} // namespace

QString WordRecorder::missingTools()
{
    QStringList missing;
    for (const char *tool : {"espeak-ng", "sox"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            missing << QLatin1String(tool);
    if (missing.isEmpty())
        return {};
    return WordRecorderText::tr("%1 not installed; install with: sudo apt-get install %2")
        .arg(missing.join(WordRecorderText::tr(" and ")), missing.join(QLatin1Char(' ')));
}

QList<WordRecorder::Step> WordRecorder::steps(const QString &workFolder, const QString &outPath, const QString &text,
                                               int wordsPerMinute)
{
    const QString raw = workFolder + QStringLiteral("/raw.wav");
    const QString trimmed = workFolder + QStringLiteral("/trimmed.wav");
    // No dither, so that the same text always gives the same file.
    return {{QStringLiteral("espeak-ng"),
             {QStringLiteral("-v"), QStringLiteral("es"), QStringLiteral("-s"), QString::number(wordsPerMinute),
              QStringLiteral("-p"), QStringLiteral("55"), QStringLiteral("-w"), raw, text}},
            {QStringLiteral("sox"),
             {QStringLiteral("-V1"), QStringLiteral("-D"), raw, trimmed, QStringLiteral("silence"), QStringLiteral("1"),
              QStringLiteral("0.005"), QStringLiteral("0.1%"), QStringLiteral("reverse"), QStringLiteral("silence"),
              QStringLiteral("1"), QStringLiteral("0.005"), QStringLiteral("0.1%"), QStringLiteral("reverse")}},
            {QStringLiteral("sox"),
             {QStringLiteral("-V1"), QStringLiteral("-D"), trimmed, QStringLiteral("-r"), QStringLiteral("22050"),
              QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-b"), QStringLiteral("16"), outPath,
              QStringLiteral("norm"), QStringLiteral("-1"), QStringLiteral("fade"), QStringLiteral("q"),
              QStringLiteral("0.01"), QStringLiteral("-0"), QStringLiteral("0.03"), QStringLiteral("pad"),
              QStringLiteral("0.04"), QStringLiteral("0.06")}}};
}

bool WordRecorder::say(const QString &outPath, const QString &text, int wordsPerMinute, QString *error)
{
    QTemporaryDir work;
    for (const Step &step : steps(work.path(), outPath, text, wordsPerMinute))
        if (!run(step.program, step.arguments, error))
            return false;
    return true;
}

} // namespace tildora
