#include "presentation/worddrawing.h"

#include "presentation/bounce.h"

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

    const auto letterImage = [&](int position) {
        return view.pictures.load(view.locator.letterPicture(QString(word[position])));
    };

    LetterPicture *first = view.Picture2.letter(0);
    first->move(first->left(), state.LetterTop);
    if (state.LetterCount > 0) {
        if (const QImage image = letterImage(0); !image.isNull())
            first->setPicture(image);
    }
    first->setEnabled(true);

    for (int i = 1; i < state.LetterCount; ++i) {
        const LetterPicture *previous = view.Picture2.letter(i - 1);
        LetterPicture *letter = view.Picture2.addCopyOfTemplate();
        letter->move(previous->left() + previous->twipWidth(), first->top());
        if (const QImage image = letterImage(i); !image.isNull())
            letter->setPicture(image);
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
