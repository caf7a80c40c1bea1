#pragma once

#include <QImage>
#include <QString>
#include <QStringView>

namespace tildora {

class ContentLocator;
class PictureLoader;

// The word drawn with the content's letter pictures in the child's window's
// layout (layOutLetters). A letter without a picture gets a pale red box in
// its blank place, and is added to missing (once each). At most
// MaxLetterPictures letters are drawn.
QImage drawWordPicture(QStringView word, const ContentLocator &content, PictureLoader &pictures,
                       QString *missing = nullptr);

} // namespace tildora
