#include "presentation/worddrawing.h"

#include "platform/units.h"
#include "presentation/bounce.h"
#include "presentation/letterrow.h"

#include <algorithm>

namespace tildora {

int centredStripLeft(int outerWindowWidth, int stripWidth)
{
    return (outerWindowWidth - stripWidth) / 2;  // C++ division drops the remainder toward zero
}

void DrawWord(StripState &state, const QString &word, const WordDrawing &view)
{
    view.bounce.stop();
    view.Picture2.removeCopies();
    state.LetterCount = int(std::min<qsizetype>(word.size(), MaxLetterPictures));

    // Every picture first: a letter without one gets a blank place as wide as
    // the others, never an image of another letter.
    QList<QImage> images;
    QList<QSize> sizes;
    for (int i = 0; i < state.LetterCount; ++i) {
        images << view.pictures.load(view.locator.letterPicture(QString(word[i])));
        sizes << images.last().size();
    }
    LetterPicture *first = view.Picture2.letter(0);
    const QSize templateSize(twipsToPixels(first->twipWidth()), twipsToPixels(first->twipHeight()));
    const LetterRow row = layOutLetters(sizes, templateSize);

    const int left = first->left();
    first->move(left, state.LetterTop);
    first->setEnabled(true);
    QImage blank;  // one white picture shared by the blank places
    for (int i = 0; i < state.LetterCount; ++i) {
        LetterPicture *letter = i == 0 ? first : view.Picture2.addCopyOfTemplate();
        const QRect place = row.places.at(i);
        letter->move(left + pixelsToTwips(place.x()), state.LetterTop);
        if (images.at(i).isNull() && blank.size() != place.size()) {
            blank = QImage(place.size(), QImage::Format_RGB32);
            blank.fill(Qt::white);
        }
        letter->setPicture(images.at(i).isNull() ? blank : images.at(i));
        if (i > 0)
            letter->show();
    }

    // An empty word has no last letter: the strip keeps its width.
    if (state.LetterCount > 0) {
        const LetterPicture *last = view.Picture2.letter(state.LetterCount - 1);
        view.Picture2.setTwipWidth(last->left() + last->twipWidth() + 100);
    }
    view.Picture2.move(centredStripLeft(view.outerWindowWidth, view.Picture2.twipWidth()), state.Picture2Top);
}

} // namespace tildora
