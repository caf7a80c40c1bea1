#pragma once

#include <QImage>
#include <QString>
#include <QStringView>

namespace tildora {

class ContentLocator;
class PictureLoader;

// The word drawn with the content's letter pictures, edge to edge and aligned
// at the top, as the child's window draws it. A letter without a picture gets
// a pale red box of the same height, and is added to missing (once each).
// At most MaxLetterPictures letters are drawn.
QImage drawWordPicture(QStringView word, const ContentLocator &content, PictureLoader &pictures,
                       QString *missing = nullptr);

} // namespace tildora
