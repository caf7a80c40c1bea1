#include "widgets/letterstrip.h"

#include <QKeyEvent>

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
    // In the focus chain right after the letter before it.
    QWidget::setTabOrder(m_letters.back(), copy);
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
    connect(letter, &LetterPicture::answeredAtCentre, this, &LetterStrip::letterAnsweredAtCentre);
}

void LetterStrip::keyPressEvent(QKeyEvent *event)
{
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    int from = -1;
    for (int i = 0; i < count(); ++i)
        if (letter(i)->hasFocus())
            from = i;
    if (step == 0 || from < 0) {
        event->ignore();
        return;
    }
    for (int i = from + step; i >= 0 && i < count(); i += step) {
        LetterPicture *next = letter(i);
        if (next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

} // namespace tildora
