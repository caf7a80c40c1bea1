#pragma once

#include "authoring/recorder.h"
#include "authoring/wordvoices.h"

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace tildora {

// Makes recordings one after the other in the background, as tildora-author
// record does, without ever waiting on a program: each step is a QProcess
// whose end starts the next, and one that runs out of time is stopped. A
// recording appears whole or not at all.
class RecordingJob : public QObject
{
    Q_OBJECT
public:
    explicit RecordingJob(QObject *parent = nullptr);
    ~RecordingJob() override;

    // Starts on the requests; refused (false) while a job runs. With the tools
    // missing, it finishes at once with every request failed.
    bool start(const QList<RecordingRequest> &requests, int wordsPerMinute = 125);
    // Stops the program running now; no further recording is made.
    void cancel();
    bool isRunning() const { return m_running; }
    // How long each program may run before it is stopped and its word failed.
    void setTimeLimit(int milliseconds) { m_timeLimitMs = milliseconds; }

signals:
    void progressed(int done, int total);
    void wordRecorded(const QString &word, const QString &path);
    void wordFailed(const QString &word, const QString &reason);
    void finished(int made, int failed, bool cancelled);

private:
    void nextRequest();
    void runStep();
    void stepEnded(int exitCode, QProcess::ExitStatus status);
    void finish(bool cancelled);

    QList<RecordingRequest> m_requests;
    int m_wordsPerMinute = 125;
    int m_timeLimitMs = WordRecorder::TimeLimitMs;
    bool m_timedOut = false;
    QTimer m_deadline;
    qsizetype m_index = 0;
    qsizetype m_step = 0;
    int m_made = 0;
    int m_failed = 0;
    bool m_running = false;
    std::unique_ptr<QTemporaryDir> m_work;
    QPointer<QProcess> m_process;
};

} // namespace tildora
