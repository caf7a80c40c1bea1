#pragma once

#include <QString>

namespace tildora {

// Plays one sound at a time without waiting: a new play cuts the sound that is
// playing. A missing or broken file plays nothing and reports nothing.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &path) = 0;
};

} // namespace tildora
