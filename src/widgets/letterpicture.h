#pragma once

#include "widgets/twipwidget.h"

#include <QColor>
#include <QImage>

namespace tildora {

// One letter of the word: a box that shows its picture at the picture's own
// size from its top-left corner, keeps that picture as an image it can paint
// into, and reports presses and clicks with its index.
class LetterPicture : public TwipWidget
{
    Q_OBJECT
public:
    LetterPicture(int index, QWidget *parent);

    // Takes the picture and the size of the picture (auto-size).
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    QImage &keptImage() { return m_picture; }

    QColor fillColor() const { return m_fillColor; }
    void setFillColor(const QColor &color) { m_fillColor = color; }

    // A hidden copy of this letter picture (picture, size, place, fill colour
    // and enabled state) under another index.
    LetterPicture *cloneAs(int index, QWidget *parent) const;

    int index() const { return m_index; }

    // Answers with this letter from the keyboard or assistive technology:
    // exactly a press and a click at the centre of the picture.
    void answerAtCentre();

signals:
    void mouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);
    void clicked(int index);
    void answeredAtCentre(int index);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int m_index;
    QImage m_picture;
    QColor m_fillColor = Qt::red;
    bool m_pressed = false;
};

} // namespace tildora
