#include "widgets/picturebutton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace tildora {

PictureButton::PictureButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPicture(const QImage &picture)
{
    m_picture = picture;
    // Greyed copy for the disabled state, made once.
    m_disabledPicture = picture.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < m_disabledPicture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(m_disabledPicture.scanLine(y));
        for (int x = 0; x < m_disabledPicture.width(); ++x) {
            const int v = 128 + qGray(line[x]) / 2;
            line[x] = qRgb(v, v, v);
        }
    }
    update();
}

void PictureButton::setBackground(const QColor &color)
{
    m_background = color;
    update();
}

QSize PictureButton::sizeHint() const
{
    return m_picture.isNull() ? QSize(40, 30) : m_picture.size() + QSize(8, 8);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    const bool down = isDown();
    p.fillRect(r, m_background);

    const int shift = down ? 1 : 0;
    if (!m_picture.isNull()) {
        const QImage &picture = isEnabled() ? m_picture : m_disabledPicture;
        p.drawImage((width() - picture.width()) / 2 + shift, (height() - picture.height()) / 2 + shift, picture);
    }
    if (!text().isEmpty()) {
        p.setFont(font());
        p.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(128, 128, 128));
        p.drawText(r.translated(shift, shift), Qt::AlignCenter, text());
    }

    // Raised edge, sunk while pressed.
    const QColor light = down ? QColor(64, 64, 64) : Qt::white;
    const QColor dark = down ? Qt::white : QColor(64, 64, 64);
    p.setPen(light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

} // namespace tildora
