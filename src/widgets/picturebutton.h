#pragma once

#include <QAbstractButton>
#include <QImage>

namespace tildora {

// A graphical button: its face shows the background colour, its picture
// centred (or its caption), a raised edge that sinks while pressed, and a
// dotted focus mark. Disabled, the picture is drawn greyed.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    void setBackground(const QColor &color);
    QColor background() const { return m_background; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    QImage m_disabledPicture;
    QColor m_background = Qt::white;
};

} // namespace tildora
