#include "widgets/letterpicture.h"

#include "platform/units.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tildora {

LetterPicture::LetterPicture(int index, QWidget *parent) : TwipWidget(parent), m_index(index)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void LetterPicture::setPicture(const QImage &picture)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    setTwipGeometry(left(), top(), pixelsToTwips(m_picture.width()), pixelsToTwips(m_picture.height()));
    update();
}

LetterPicture *LetterPicture::cloneAs(int index, QWidget *parent) const
{
    auto *copy = new LetterPicture(index, parent);
    copy->hide();
    copy->m_picture = m_picture;
    copy->m_fillColor = m_fillColor;
    // Its own enabled state, not the one it shows while the strip is locked.
    copy->setEnabled(!testAttribute(Qt::WA_ForceDisabled));
    copy->setFocusPolicy(focusPolicy());
    copy->setTwipGeometry(left(), top(), twipWidth(), twipHeight());
    return copy;
}

void LetterPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.drawImage(0, 0, m_picture);
    if (hasFocus()) {
        // The focus mark is drawn over the kept image, never into it, so a
        // flood fill never meets it. Orange is none of the answer colours.
        p.setPen(QPen(QColor(255, 140, 0), 6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(3, 3, -3, -3));
    }
}

void LetterPicture::answerAtCentre()
{
    if (!isEnabled())
        return;
    const double x = width() / 2.0;
    const double y = height() / 2.0;
    emit mouseDown(m_index, Qt::NoButton, Qt::NoModifier, x, y);
    emit clicked(m_index);
    emit answeredAtCentre(m_index);
}

void LetterPicture::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            answerAtCentre();
        break;
    default:
        event->ignore();  // the arrows go to the strip
    }
}

void LetterPicture::focusInEvent(QFocusEvent *event)
{
    TwipWidget::focusInEvent(event);
    update();
}

void LetterPicture::focusOutEvent(QFocusEvent *event)
{
    TwipWidget::focusOutEvent(event);
    update();
}

void LetterPicture::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    emit mouseDown(m_index, event->button(), event->modifiers(), event->position().x(), event->position().y());
}

bool LetterPicture::event(QEvent *event)
{
    // The press handler locks the letter at once; the release that follows
    // must still count as the click that finishes the press, so it is taken
    // here before a disabled widget would drop it.
    if (event->type() == QEvent::MouseButtonRelease && !isEnabled()) {
        mouseReleaseEvent(static_cast<QMouseEvent *>(event));
        return true;
    }
    return TwipWidget::event(event);
}

void LetterPicture::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release on the same letter.
    if (m_pressed && rect().contains(event->position().toPoint()))
        emit clicked(m_index);
    m_pressed = false;
}

} // namespace tildora
