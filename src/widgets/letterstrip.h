#pragma once

#include "widgets/letterpicture.h"
#include "widgets/twipwidget.h"

#include <vector>

namespace tildora {

// The letter strip and its control array of letter pictures. Element 0 is the
// template and always exists; the others are made as copies of it.
class LetterStrip : public TwipWidget
{
    Q_OBJECT
public:
    explicit LetterStrip(QWidget *parent = nullptr);

    int count() const { return int(m_letters.size()); }
    LetterPicture *letter(int index) const { return m_letters[std::size_t(index)]; }

    // A hidden copy of element 0 as the next element.
    LetterPicture *addCopyOfTemplate();
    // Destroys every element but the template.
    void removeCopies();

signals:
    void letterMouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);
    void letterClicked(int index);
    void letterAnsweredAtCentre(int index);

protected:
    // Left and Right move the focus between the letters that still answer.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void connectLetter(LetterPicture *letter);
    std::vector<LetterPicture *> m_letters;
};

} // namespace tildora
