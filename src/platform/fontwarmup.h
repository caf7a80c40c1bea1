#pragma once

#include <thread>

namespace tildora {

// Reads the desktop's list of fonts on a thread of its own while the first
// window is being built. The first widget that measures text would otherwise
// wait for it on the main thread, and it is the larger part of what a window
// with text costs over an empty one. Made after the application object,
// which knows the desktop's fonts; ends with the thread.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

private:
    std::thread m_thread;
};

} // namespace tildora
