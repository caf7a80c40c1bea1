#include "platform/lazysoundplayer.h"

#include <QLibrary>

#include <cstdio>
#include <utility>

namespace tildora {

LazySoundPlayer::LazySoundPlayer(QStringList moduleFolders, QObject *parent)
    : QObject(parent), m_moduleFolders(std::move(moduleFolders))
{
}

bool LazySoundPlayer::load()
{
    if (m_tried)
        return m_player != nullptr;
    m_tried = true;
    using Create = SoundPlayer *(*)(QObject *);
    for (const QString &folder : m_moduleFolders) {
        QLibrary module(folder + QStringLiteral("/tildora-sound"));
        if (const auto create = reinterpret_cast<Create>(module.resolve("tildora_create_sound_player"))) {
            m_player = create(this);
            return true;
        }
    }
    std::fprintf(stderr, "tildora: sound module not found in %s: no sound\n",
                 qPrintable(m_moduleFolders.join(QStringLiteral(", "))));
    return false;
}

void LazySoundPlayer::play(const QString &path)
{
    if (!m_ready) {
        m_waiting = path;
        return;
    }
    if (load())
        m_player->play(path);
}

void LazySoundPlayer::setReady()
{
    if (m_ready)
        return;
    m_ready = true;
    if (!m_waiting.isEmpty())
        play(std::exchange(m_waiting, QString()));
}

} // namespace tildora
