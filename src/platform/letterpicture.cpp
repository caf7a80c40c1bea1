#include "platform/letterpicture.h"

#include "platform/units.h"

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
    copy->setTwipGeometry(left(), top(), twipWidth(), twipHeight());
    return copy;
}

void LetterPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.drawImage(0, 0, m_picture);
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
