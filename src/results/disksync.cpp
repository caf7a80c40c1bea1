#include "results/disksync.h"

#include <QtGlobal>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tildora {
namespace {

#if defined(Q_OS_UNIX)
int copyOf(int fd)
{
    return fd < 0 ? -1 : ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
}
int openFolder(const char *path)
{
    return ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}
void syncData(int fd)
{
    ::fdatasync(fd);
}
void syncAll(int fd)
{
    ::fsync(fd);
}
void closeFd(int fd)
{
    ::close(fd);
}
#else
// Elsewhere the system's own write-back has to do.
int copyOf(int) { return -1; }
int openFolder(const char *) { return -1; }
void syncData(int) {}
void syncAll(int) {}
void closeFd(int) {}
#endif

} // namespace

DiskSync::DiskSync() : m_thread([this] { run(); }) {}

DiskSync::~DiskSync()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
    if (m_current >= 0)
        closeFd(m_current);
}

void DiskSync::follow(int fd, const char *newFolder)
{
    const int copy = copyOf(fd);
    const int folder = newFolder ? openFolder(newFolder) : -1;
    {
        std::lock_guard lock(m_mutex);
        if (m_current >= 0)
            m_retired.push_back(m_current);
        m_current = copy;
        if (folder >= 0)
            m_folders.push_back(folder);
    }
    m_wake.notify_one();
}

void DiskSync::request()
{
    {
        std::lock_guard lock(m_mutex);
        m_dirty = true;
    }
    m_wake.notify_one();
}

void DiskSync::waitIdle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_busy && !m_dirty && m_retired.empty() && m_folders.empty(); });
}

void DiskSync::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || m_dirty || !m_retired.empty() || !m_folders.empty(); });
        const bool stopping = m_stop;
        const std::vector<int> retired = std::exchange(m_retired, {});
        const std::vector<int> folders = std::exchange(m_folders, {});
        // The current descriptor is only ever closed by this thread or after
        // it has ended, so it stays valid while the lock is let go.
        const int current = std::exchange(m_dirty, false) ? m_current : -1;
        m_busy = true;
        lock.unlock();
        for (const int fd : retired) {
            syncData(fd);
            closeFd(fd);
        }
        if (current >= 0)
            syncData(current);
        for (const int fd : folders) {
            syncAll(fd);
            closeFd(fd);
        }
        lock.lock();
        m_busy = false;
        m_idle.notify_all();
        if (stopping && !m_dirty && m_retired.empty() && m_folders.empty())
            return;
    }
}

} // namespace tildora
