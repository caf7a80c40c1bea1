#include "platform/pictureloader.h"

#include "platform/imagedecode.h"

namespace tildora {

QImage PictureLoader::load(const QString &path)
{
    if (path.isEmpty())
        return {};
    const auto cached = m_cache.constFind(path);
    if (cached != m_cache.constEnd())
        return *cached;
    const QImage image = readPicture(path);
    if (!image.isNull())
        m_cache.insert(path, image);
    return image;
}

} // namespace tildora
