#pragma once

#include <QWidget>

namespace tildora {

// A widget placed in twips, as the design places its controls. It remembers
// the twip values it was given, so reading them back never loses the part of
// a pixel that a move of a few twips adds.
class TwipWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TwipWidget(QWidget *parent = nullptr);

    int left() const { return m_left; }
    int top() const { return m_top; }
    int twipWidth() const { return m_width; }
    int twipHeight() const { return m_height; }

    void move(int left, int top);               // keeps the size
    void setTwipGeometry(int left, int top, int width, int height);
    void setTwipWidth(int width);

private:
    void place();
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
};

} // namespace tildora
