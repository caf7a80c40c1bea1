// A stand-in for the sound module: it plays nothing and keeps what it was
// asked to play, for the test to read.
#include "platform/soundplayer.h"

#include <QObject>
#include <QStringList>

namespace {

QStringList played;

struct RecordingPlayer : QObject, tildora::SoundPlayer {
    explicit RecordingPlayer(QObject *parent) : QObject(parent) {}
    void play(const QString &path) override { played << path; }
};

} // namespace

extern "C" Q_DECL_EXPORT tildora::SoundPlayer *tildora_create_sound_player(QObject *parent)
{
    return new RecordingPlayer(parent);
}

extern "C" Q_DECL_EXPORT QStringList *tildora_fake_played() { return &played; }
