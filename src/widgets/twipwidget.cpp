#include "widgets/twipwidget.h"

#include "platform/units.h"

namespace tildora {

TwipWidget::TwipWidget(QWidget *parent) : QWidget(parent) {}

void TwipWidget::move(int left, int top)
{
    m_left = left;
    m_top = top;
    place();
}

void TwipWidget::setTwipGeometry(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    place();
}

void TwipWidget::setTwipWidth(int width)
{
    m_width = width;
    place();
}

void TwipWidget::place()
{
    setGeometry(twipsRect(m_left, m_top, m_width, m_height));
}

} // namespace tildora
