#include "platform/letterstrip.h"

namespace tildora {

LetterStrip::LetterStrip(QWidget *parent) : TwipWidget(parent)
{
    // The window's background colour for windows, normally white.
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    setPalette(pal);
    m_letters.push_back(new LetterPicture(0, this));
    connectLetter(m_letters.front());
}

LetterPicture *LetterStrip::addCopyOfTemplate()
{
    LetterPicture *copy = m_letters.front()->cloneAs(count(), this);
    m_letters.push_back(copy);
    connectLetter(copy);
    return copy;
}

void LetterStrip::removeCopies()
{
    for (std::size_t i = 1; i < m_letters.size(); ++i)
        delete m_letters[i];
    m_letters.resize(1);
}

void LetterStrip::connectLetter(LetterPicture *letter)
{
    connect(letter, &LetterPicture::mouseDown, this, &LetterStrip::letterMouseDown);
    connect(letter, &LetterPicture::clicked, this, &LetterStrip::letterClicked);
}

} // namespace tildora
