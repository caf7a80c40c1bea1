#include "editor/fittedpicture.h"

#include <QPainter>

#include <algorithm>

namespace tildora {

FittedPicture::FittedPicture(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void FittedPicture::setImage(const QImage &image)
{
    m_image = image;
    updateGeometry();
    update();
}

QSize FittedPicture::sizeHint() const
{
    return m_image.isNull() ? QSize(0, 60) : m_image.size();
}

QSize FittedPicture::minimumSizeHint() const
{
    return {0, std::min(sizeHint().height(), 20)};
}

int FittedPicture::heightForWidth(int width) const
{
    return width >= m_image.width() ? m_image.height() : m_image.height() * width / std::max(1, m_image.width());
}

void FittedPicture::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QSize shown = m_image.size();
    if (shown.width() > width() || shown.height() > height())
        shown.scale(size(), Qt::KeepAspectRatio);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown), m_image);
}

} // namespace tildora
