#include "authoring/recordingjob.h"

#include <QFile>

namespace tildora {
namespace {

// Enough output to say why a program failed, without keeping a flood.
constexpr qint64 MaxReasonBytes = 2000;

} // namespace

RecordingJob::RecordingJob(QObject *parent) : QObject(parent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        if (m_process)
            m_process->kill();  // its end fails the word
    });
}

RecordingJob::~RecordingJob()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(1000);
    }
}

bool RecordingJob::start(const QList<RecordingRequest> &requests, int wordsPerMinute)
{
    if (m_running)
        return false;
    m_requests = requests;
    m_wordsPerMinute = wordsPerMinute;
    m_index = 0;
    m_made = m_failed = 0;
    m_running = true;
    m_work = std::make_unique<QTemporaryDir>();
    const QStringList missing = missingRecordingPackages();
    if (!missing.isEmpty() || !m_work->isValid()) {
        const QString reason = missing.isEmpty() ? tr("no room for scratch files")
                                                 : tr("%1 is not installed").arg(missing.join(QStringLiteral(", ")));
        for (const RecordingRequest &request : std::as_const(m_requests)) {
            ++m_failed;
            emit wordFailed(request.word, reason);
        }
        finish(false);
        return true;
    }
    emit progressed(0, int(m_requests.size()));
    m_step = 0;
    nextRequest();
    return true;
}

void RecordingJob::cancel()
{
    if (!m_running)
        return;
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(1000);
        m_process->deleteLater();
    }
    finish(true);
}

void RecordingJob::nextRequest()
{
    if (m_index >= m_requests.size()) {
        finish(false);
        return;
    }
    m_step = 0;
    runStep();
}

void RecordingJob::runStep()
{
    const RecordingRequest &request = m_requests.at(m_index);
    const QList<WordRecorder::Step> steps =
        WordRecorder::steps(m_work->path(), m_work->filePath(QStringLiteral("final.wav")), request.spoken, m_wordsPerMinute);
    const WordRecorder::Step &step = steps.at(m_step);
    auto *process = new QProcess(this);
    m_process = process;
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    m_timedOut = false;
    m_deadline.start(m_timeLimitMs);
    connect(process, &QProcess::finished, this, &RecordingJob::stepEnded);
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            stepEnded(-1, QProcess::CrashExit);
    });
    process->start(step.program, step.arguments);
}

void RecordingJob::stepEnded(int exitCode, QProcess::ExitStatus status)
{
    m_deadline.stop();
    QProcess *process = m_process;
    m_process = nullptr;
    const QString program = process ? process->program() : QString();
    const RecordingRequest request = m_requests.at(m_index);
    const QString output = process ? QString::fromLocal8Bit(process->read(MaxReasonBytes)).trimmed() : QString();
    if (process) {
        process->disconnect(this);
        process->deleteLater();
    }
    const QString scratch = m_work->filePath(QStringLiteral("final.wav"));
    const bool stepOk = status == QProcess::NormalExit && exitCode == 0;
    const qsizetype stepCount = WordRecorder::steps({}, {}, {}, m_wordsPerMinute).size();
    if (stepOk && ++m_step < stepCount) {
        runStep();
        return;
    }
    QString reason;
    if (m_timedOut)
        reason = WordRecorder::timedOut(program, m_timeLimitMs);
    else if (!stepOk)
        reason = output.isEmpty() ? tr("the speech programs failed") : output;
    else
        WordRecorder::keep(scratch, request.outPath, &reason);
    QFile::remove(scratch);
    if (reason.isEmpty()) {
        ++m_made;
        emit wordRecorded(request.word, request.outPath);
    } else {
        ++m_failed;
        emit wordFailed(request.word, reason);
    }
    ++m_index;
    emit progressed(int(m_index), int(m_requests.size()));
    if (m_running)
        nextRequest();
}

void RecordingJob::finish(bool cancelled)
{
    m_deadline.stop();
    m_running = false;
    m_process = nullptr;
    m_work.reset();
    emit finished(m_made, m_failed, cancelled);
}

} // namespace tildora
