#include "results/resultslog.h"

#include "results/dayfile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace tildora {
namespace {

using Clock = std::chrono::steady_clock;

// How often rows that could not be written are tried again, and how long the
// end of the program waits for a folder that went away.
constexpr auto RetryDelay = std::chrono::milliseconds(500);
constexpr auto LastWait = std::chrono::seconds(3);
// Rows kept in memory while the folder refuses them: days of a busy room.
constexpr std::size_t MostWaiting = 200000;
// Fresh names tried beside a day file that is not an ordinary file.
constexpr int MostOtherNames = 9;

// Context of this file's messages for the translations.
struct Texts { Q_DECLARE_TR_FUNCTIONS(tildora::ResultsLog) };

} // namespace

struct ResultsLog::Writer {
    struct Waiting {
        QDate day;
        QByteArray line;
    };

    QString folder;
    QString sharedAs;
    QString fallback;
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable settled;
    std::deque<Waiting> waiting;
    bool busy = false;
    bool unsynced = false;
    bool retrying = false;  // the last try failed; the next waits a moment
    bool stop = false;
    bool finished = false;
    bool away = false;  // the folder was not there at the last failure
    Clock::time_point giveUpAt;
    std::atomic<bool> failureSaid{false};
    std::atomic<bool> otherNameSaid{false};
    // Touched by the writing thread alone.
    DayFile file;
    QDate day;

    void run();
    bool write(const Waiting &row);
    bool openDay(const QDate &day);
    void say(std::atomic<bool> &said, const QString &text);
    void fail(const QString &what, const QString &why);
};

void ResultsLog::Writer::say(std::atomic<bool> &said, const QString &text)
{
    if (!said.exchange(true))
        qWarning().noquote() << text;
}

void ResultsLog::Writer::fail(const QString &what, const QString &why)
{
    say(failureSaid, Texts::tr("tildora: answers are not kept in %1: %2").arg(QDir::toNativeSeparators(what), why));
}

bool ResultsLog::Writer::openDay(const QDate &newDay)
{
    if (!sharedAs.isEmpty() ? !QFileInfo(folder).isDir() : !QDir().mkpath(folder)) {
        fail(folder, sharedAs.isEmpty() ? Texts::tr("the folder cannot be made") : Texts::tr("the folder is not there"));
        return false;
    }
    const QString first = QDir(folder).filePath(resultsFileName(newDay, sharedAs));
    const QString base = first.chopped(4);
    for (int n = 1; n <= MostOtherNames; ++n) {
        const QString path = n == 1 ? first : QStringLiteral("%1-%2.csv").arg(base).arg(n);
        QString why;
        switch (file.open(path, &why)) {
        case DayFile::Opened:
            if (n > 1)
                say(otherNameSaid, Texts::tr("tildora: %1 is not an ordinary file: answers go to %2 instead")
                                       .arg(QDir::toNativeSeparators(first), QDir::toNativeSeparators(path)));
            day = newDay;
            return true;
        case DayFile::Failed:
            fail(path, why);
            return false;
        case DayFile::NotAFile:
            break;
        }
    }
    fail(first, Texts::tr("not an ordinary file"));
    return false;
}

bool ResultsLog::Writer::write(const Waiting &row)
{
    if (!file.isOpen() || row.day != day || !file.stillThere()) {
        if (file.isOpen())
            file.sync();
        if (!openDay(row.day))
            return false;
    }
    QString why;
    if (file.write(row.line, &why))
        return true;
    fail(file.path(), why);
    return false;
}

void ResultsLog::Writer::run()
{
    std::unique_lock lock(mutex);
    for (;;) {
        if (waiting.empty() && unsynced) {
            busy = true;
            lock.unlock();
            file.sync();
            lock.lock();
            busy = unsynced = false;
            continue;
        }
        if (waiting.empty()) {
            settled.notify_all();
            if (stop)
                break;
            wake.wait(lock);
            continue;
        }
        const Waiting next = waiting.front();
        busy = true;
        lock.unlock();
        const bool written = write(next);
        const bool wentAway = !written && !QFileInfo::exists(folder);
        lock.lock();
        away = wentAway;
        busy = false;
        if (written) {
            waiting.pop_front();
            unsynced = true;
            retrying = false;
            continue;
        }
        // Only a folder that went away is waited for at the end: one that
        // refuses will not change its mind in a moment.
        if (stop && (!away || Clock::now() >= giveUpAt) && !fallback.isEmpty()) {
            // The share cannot take them before the end: the computer's own folder keeps them.
            qWarning().noquote() << Texts::tr("tildora: %n answer(s) waiting for %1 are kept in %2 instead", nullptr,
                                              int(waiting.size()))
                                        .arg(QDir::toNativeSeparators(folder), QDir::toNativeSeparators(fallback));
            folder = std::exchange(fallback, QString());
            sharedAs.clear();
            day = QDate();
            continue;
        }
        if (stop && (!away || Clock::now() >= giveUpAt)) {
            qWarning().noquote() << Texts::tr("tildora: %n answer(s) waiting for %1 were not kept", nullptr,
                                              int(waiting.size()))
                                        .arg(QDir::toNativeSeparators(folder));
            waiting.clear();
            continue;
        }
        retrying = true;
        settled.notify_all();
        wake.wait_for(lock, RetryDelay);
    }
    finished = true;
    settled.notify_all();
}

ResultsLog::ResultsLog(const QString &folder, const QString &sharedAs, const QString &fallback)
    : m_folder(folder), m_sharedAs(sharedAs), m_fallback(fallback)
{
}

ResultsLog::~ResultsLog()
{
    if (!m_writer)
        return;
    std::unique_lock lock(m_writer->mutex);
    m_writer->stop = true;
    m_writer->giveUpAt = Clock::now() + LastWait;
    m_writer->wake.notify_all();
    // A network share can hang a write for minutes: past the last wait the
    // thread is left to end on its own, with the state it shares.
    const bool ended = m_writer->settled.wait_until(lock, m_writer->giveUpAt + std::chrono::seconds(1),
                                                    [this] { return m_writer->finished; });
    lock.unlock();
    if (ended)
        m_thread.join();
    else
        m_thread.detach();
}

void ResultsLog::append(const ResultRow &row)
{
    if (!m_writer) {
        m_writer = std::make_shared<Writer>();
        m_writer->folder = m_folder;
        m_writer->sharedAs = m_sharedAs;
        m_writer->fallback = m_fallback;
        m_thread = std::thread([writer = m_writer] { writer->run(); });
    }
    QByteArray line = formatResultRow(row);
    std::lock_guard lock(m_writer->mutex);
    if (m_writer->waiting.size() >= MostWaiting) {
        m_writer->fail(m_folder, Texts::tr("too many answers are waiting"));
        return;
    }
    m_writer->waiting.push_back({row.time.date(), std::move(line)});
    m_writer->retrying = false;
    m_writer->wake.notify_all();
}

bool ResultsLog::problemSaid() const
{
    return m_writer && (m_writer->failureSaid || m_writer->otherNameSaid);
}

bool ResultsLog::waitWritten()
{
    if (!m_writer)
        return true;
    std::unique_lock lock(m_writer->mutex);
    m_writer->settled.wait(lock, [this] {
        return m_writer->retrying || (m_writer->waiting.empty() && !m_writer->unsynced && !m_writer->busy);
    });
    return m_writer->waiting.empty();
}

} // namespace tildora
