#include "soundmodule/qtsoundplayer.h"

#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace tildora {

QtSoundPlayer::QtSoundPlayer(QObject *parent) : QObject(parent) {}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const QString &path)
{
    m_pending = path;
    if (m_scheduled)
        return;
    // Back to the event loop first: the caller (a press, a new word) returns
    // at once, and only the last sound asked for in one handler plays.
    m_scheduled = true;
    QTimer::singleShot(0, this, &QtSoundPlayer::start);
}

void QtSoundPlayer::start()
{
    m_scheduled = false;
    if (!m_effect)
        m_effect = new QSoundEffect(this);
    m_effect->stop();
    const QUrl url = QUrl::fromLocalFile(m_pending);
    if (m_effect->source() == url) {
        m_effect->play();  // same sound again: from its beginning
        return;
    }
    m_effect->setSource(url);  // a broken file ends in an error status and plays nothing
    m_effect->play();
}

} // namespace tildora

// The entry point the program looks up when it first needs sound.
extern "C" Q_DECL_EXPORT tildora::SoundPlayer *tildora_create_sound_player(QObject *parent)
{
    return new tildora::QtSoundPlayer(parent);
}
