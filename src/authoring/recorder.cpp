#include "authoring/recorder.h"

#include "authoring/wavtools.h"
#include "content/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace tildora {
namespace {
// Context of this file's messages for the translations.
struct WordRecorderText { Q_DECLARE_TR_FUNCTIONS(tildora::WordRecorderText) };

// Far more than a spoken sentence: what the programs made is not read past it.
constexpr qint64 MaxRecordingBytes = 64LL * 1024 * 1024;

bool run(const WordRecorder::Step &step, int timeLimitMs, QString *error)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(step.program, step.arguments);
    const bool finished = process.waitForFinished(timeLimitMs);
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    const bool ranOut = !finished && process.state() != QProcess::NotRunning;
    if (ranOut) {
        process.kill();
        process.waitForFinished(1000);
    }
    if (error) {
        const QString output = QString::fromLocal8Bit(process.readAll()).trimmed();
        *error = ranOut ? WordRecorder::timedOut(step.program, timeLimitMs)
                        : WordRecorderText::tr("%1 failed: %2")
                              .arg(step.program, output.isEmpty() ? process.errorString() : output);
    }
    return false;
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

QList<WordRecorder::Step> WordRecorder::steps(const QString &workFolder, const QString &madePath, const QString &text,
                                               int wordsPerMinute)
{
    const QString raw = workFolder + QStringLiteral("/raw.wav");
    const QString trimmed = workFolder + QStringLiteral("/trimmed.wav");
    // No dither, so that the same text always gives the same file. "--" ends
    // espeak-ng's options: a word "-fsecreto.txt" is said, not obeyed.
    return {{QStringLiteral("espeak-ng"),
             {QStringLiteral("-v"), QStringLiteral("es"), QStringLiteral("-s"), QString::number(wordsPerMinute),
              QStringLiteral("-p"), QStringLiteral("55"), QStringLiteral("-w"), raw, QStringLiteral("--"), text}},
            {QStringLiteral("sox"),
             {QStringLiteral("-V1"), QStringLiteral("-D"), raw, trimmed, QStringLiteral("silence"), QStringLiteral("1"),
              QStringLiteral("0.005"), QStringLiteral("0.1%"), QStringLiteral("reverse"), QStringLiteral("silence"),
              QStringLiteral("1"), QStringLiteral("0.005"), QStringLiteral("0.1%"), QStringLiteral("reverse")}},
            {QStringLiteral("sox"),
             {QStringLiteral("-V1"), QStringLiteral("-D"), trimmed, QStringLiteral("-r"), QStringLiteral("22050"),
              QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-b"), QStringLiteral("16"), madePath,
              QStringLiteral("norm"), QStringLiteral("-1"), QStringLiteral("fade"), QStringLiteral("q"),
              QStringLiteral("0.01"), QStringLiteral("-0"), QStringLiteral("0.03"), QStringLiteral("pad"),
              QStringLiteral("0.04"), QStringLiteral("0.06")}}};
}

QString WordRecorder::timedOut(const QString &program, int timeLimitMs)
{
    const int seconds = std::max(1, (timeLimitMs + 999) / 1000);
    return WordRecorderText::tr("%1 did not finish within %n second(s) and was stopped", nullptr, seconds)
        .arg(program);
}

bool WordRecorder::keep(const QString &madePath, const QString &outPath, QString *error)
{
    // sox ends well even when it could write nothing (a full disk): what it
    // made is looked at before it is kept.
    const std::optional<QByteArray> made = readRegularFile(madePath, MaxRecordingBytes);
    QString why;
    if (!made || soundFromWav(*made).samples.isEmpty()) {
        why = WordRecorderText::tr("the speech programs made no sound");
    } else {
        QDir().mkpath(QFileInfo(outPath).path());  // a folder that cannot be made is told by the write
        if (!writeWholeFile(outPath, *made, &why))
            why = WordRecorderText::tr("cannot write %1: %2").arg(QDir::toNativeSeparators(outPath), why);
    }
    if (error)
        *error = why;
    return why.isEmpty();
}

bool WordRecorder::say(const QString &outPath, const QString &text, int wordsPerMinute, QString *error,
                       int timeLimitMs)
{
    QTemporaryDir work;
    if (!work.isValid()) {
        if (error)
            *error = WordRecorderText::tr("no room for scratch files: %1").arg(work.errorString());
        return false;
    }
    const QString made = work.filePath(QStringLiteral("made.wav"));
    for (const Step &step : steps(work.path(), made, text, wordsPerMinute))
        if (!run(step, timeLimitMs, error))
            return false;
    return keep(made, outPath, error);
}

} // namespace tildora
