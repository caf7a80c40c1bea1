#pragma once

#include "platform/soundplayer.h"

#include <QObject>
#include <QStringList>

namespace tildora {

// Plays sounds through the sound module, loaded when the first sound is asked
// for, after start-up. Without the module the program plays nothing and says
// so once.
class LazySoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT
public:
    // Folders to look for the module in, first to last.
    LazySoundPlayer(QStringList moduleFolders, QObject *parent = nullptr);

    void play(const QString &path) override;

    // Until the window has painted its first frame, sounds wait: loading the
    // audio libraries would otherwise delay that frame. The last sound asked
    // for then plays.
    void setReady();

private:
    bool load();
    QStringList m_moduleFolders;
    SoundPlayer *m_player = nullptr;
    bool m_tried = false;
    bool m_ready = false;
    QString m_waiting;
};

} // namespace tildora
