// Form1's answering handlers and what it gives answering: each shows, plays
// or writes what answering decided.
#include "window/form1.h"

#include "window/classroomaccess.h"

#include "platform/floodfill.h"
#include "widgets/gifview.h"
#include "widgets/letterstrip.h"
#include "widgets/picturebutton.h"
#include "platform/soundplayer.h"
#include "platform/units.h"
#include "presentation/bounce.h"

#include <QLabel>

namespace tildora {

void Form1::Picture1_Mousedown(int index, Qt::MouseButton, Qt::KeyboardModifiers, double x, double y)
{
    m_answering.judgeLetterPress(index, x, y);
}

void Form1::Picture1_Click(int)
{
    m_bounce->restart();
    keepSentenceOnTop();
}

void Form1::Timer1_Timer()
{
    m_bounce->tick();
    keepSentenceOnTop();
}
void Form1::Command2_Click(int index) { m_answering.chooseMode(index); }
void Form1::Command4_Click() { m_answering.judgeNoAccentButton(); }
void Form1::Command5_Click() { showCreditsCard(Picture4->isHidden()); }

void Form1::setLetterColor(int index, const QColor &color) { Picture2->letter(index)->setFillColor(color); }

void Form1::showAccentedLetter(int index, const QString &accent)
{
    if (const QImage accented = m_pictures.load(m_locator.accentedLetterPicture(accent)); !accented.isNull())
        Picture2->letter(index)->setPicture(accented);
}

void Form1::fillPressedArea(int index, QPoint at)
{
    LetterPicture *letter = Picture2->letter(index);
    floodFill(letter->keptImage(), at, letter->fillColor().rgb());
    letter->update();
    letter->setEnabled(false);
}

void Form1::setLetterStripEnabled(bool enabled) { Picture2->setEnabled(enabled); }
void Form1::setNoAccentButtonEnabled(bool enabled) { Command4->setEnabled(enabled); }

void Form1::showModeButtons(int chosen)
{
    for (int i = 0; i < 3; ++i)
        Command2[i]->setBackground(colorFromBgr(i == chosen ? bgr::Blue : bgr::White));
}

void Form1::showNextItem() { NextItem(); }
void Form1::startBounce(int index) { m_bounce->start(index); }
void Form1::showCounter(Counter counter, int value)
{
    Label1[int(counter)]->setText(QString::number(value));
    if (m_classroom)
        m_classroom->counterShown(int(counter));
}

void Form1::showAnimation(Animation shown)
{
    Gif89a1[0]->setVisible(shown == Animation::Yes);
    Gif89a1[1]->setVisible(shown == Animation::No);
}

void Form1::playSound(const QString &name) { m_sound->play(m_locator.feedbackSound(name)); }

void Form1::writeRecordLine(const QString &word, const std::optional<RecordStretch> &stretch, const QColor &color)
{
    tildora::writeRecordLine(m_record, word, stretch, color);
}

} // namespace tildora
