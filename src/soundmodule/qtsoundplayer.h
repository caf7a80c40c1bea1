#pragma once

#include "platform/soundplayer.h"

#include <QObject>

#include <memory>

class QSoundEffect;

namespace tildora {

// The sound player on Qt Multimedia. It lives in a module of its own that the
// program loads on the first sound, so that start-up never waits for the
// audio libraries.
class QtSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject *parent = nullptr);
    ~QtSoundPlayer() override;

    void play(const QString &path) override;

private:
    void start();
    QSoundEffect *m_effect = nullptr;
    QString m_pending;
    bool m_scheduled = false;
};

} // namespace tildora
