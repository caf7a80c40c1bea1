#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace tildora {

// Forces written rows onto the disk from a thread of its own, so a power cut
// loses at most the last moment's answers while the press that wrote them
// never waits for the disk. Requests made while a sync runs are folded into
// the next one.
class DiskSync
{
public:
    DiskSync();
    // Syncs what is still asked for, then closes every descriptor it holds.
    ~DiskSync();
    DiskSync(const DiskSync &) = delete;
    DiskSync &operator=(const DiskSync &) = delete;

    // From now on `request` syncs a copy of `fd` (the caller keeps its own and
    // may close it at once); the file followed until now gets a last sync.
    // With `newFolder`, the folder that holds a file just made is synced once
    // too, so the file itself survives the cut.
    void follow(int fd, const char *newFolder = nullptr);
    void request();

    // Waits until every sync asked for so far has been done.
    void waitIdle();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    int m_current = -1;
    std::vector<int> m_retired;  // synced one last time, then closed
    std::vector<int> m_folders;  // synced once, then closed
    bool m_dirty = false;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_thread;  // last: starts once the state above exists
};

} // namespace tildora
