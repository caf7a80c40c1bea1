// Form1's answering handlers and what it gives the answering routines.
#include "startup/form1.h"

#include "answering/record.h"
#include "platform/gifview.h"
#include "platform/letterstrip.h"
#include "platform/picturebutton.h"
#include "platform/soundplayer.h"
#include "platform/units.h"
#include "presentation/bounce.h"

#include <QLabel>
#include <QTimer>

namespace tildora {

void Form1::Picture1_Mousedown(int index, Qt::MouseButton, Qt::KeyboardModifiers, double x, double y)
{
    tildora::Picture1_Mousedown(m_state, *this, index, x, y);
}

void Form1::Picture1_Click(int)
{
    if (m_state.AnimLetter >= Picture2->count())
        return;
    LetterPicture *letter = Picture2->letter(m_state.AnimLetter);
    letter->move(letter->left(), bounceRestart(m_state));
}

void Form1::Timer1_Timer()
{
    if (m_state.AnimLetter >= Picture2->count())
        return;
    LetterPicture *letter = Picture2->letter(m_state.AnimLetter);
    letter->move(letter->left(), bounceTick(m_state));
}

void Form1::Command2_Click(int index)
{
    if (m_state.ItemIndex > 0)
        --m_state.ItemIndex;
    if (index >= 0 && index <= 2) {
        m_state.AnswerMode = std::uint8_t(index);
        for (int i = 0; i < 3; ++i)
            Command2[i]->setBackground(colorFromBgr(i == index ? bgr::Blue : bgr::White));
        Command4->setEnabled(index == AccentMode);
    }
    NextItem();
}

void Form1::Command4_Click()
{
    tildora::Command4_Click(m_state, *this);
}

void Form1::Command5_Click()
{
    showCreditsCard(Picture4->isHidden());
}

LetterPicture &Form1::letterPicture(int index) { return *Picture2->letter(index); }
void Form1::setLetterStripEnabled(bool enabled) { Picture2->setEnabled(enabled); }
void Form1::setNoAccentButtonEnabled(bool enabled) { Command4->setEnabled(enabled); }
void Form1::startBounceTimer() { Timer1->start(); }

void Form1::raiseCounter(int counter)
{
    Label1[counter]->setText(raisedCounter(Label1[counter]->text()));
}

void Form1::showYesAnimation()
{
    Gif89a1[0]->show();
    Gif89a1[1]->hide();
}

QString Form1::soundPath(const QString &name) const
{
    return m_locator.feedbackSound(name.chopped(4));  // without ".wav"
}

void Form1::playSound(const QString &name)
{
    m_sound->play(soundPath(name));
}

QImage Form1::accentPicture(const QString &accent)
{
    return m_pictures.load(m_locator.accentedLetterPicture(accent));
}

int Form1::nextPraiseSound() { return m_praise.nextSound(); }

void Form1::RecordSuccess()
{
    tildora::RecordSuccess(m_state, m_record);
}

void Form1::RecordFailure()
{
    Gif89a1[0]->hide();
    Gif89a1[1]->show();
    playSound(QStringLiteral("fallo.wav"));
    writeRecordLine(m_record, m_state.CurrentWord, failureStretch(m_state), colorFromBgr(bgr::Red));
}

} // namespace tildora
