#pragma once

#include <QHash>
#include <QImage>
#include <QString>

namespace tildora {

// Loads pictures (the first frame of a GIF) and keeps each one decoded, so a
// word's letters are read from disk once per run. A missing or unreadable
// file gives a null image and is tried again next time.
class PictureLoader
{
public:
    QImage load(const QString &path);

private:
    QHash<QString, QImage> m_cache;
};

} // namespace tildora
