#pragma once

#include <QImage>
#include <QWidget>

namespace tildora {

// An image at its own size, or scaled down evenly to fit the room it is
// given, never up: a long word's letters get smaller instead of widening the
// window.
class FittedPicture : public QWidget
{
public:
    explicit FittedPicture(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return !m_image.isNull(); }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};

} // namespace tildora
