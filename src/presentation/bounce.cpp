#include "presentation/bounce.h"

#include "widgets/letterstrip.h"

#include <QTimer>

namespace tildora {

int bounceTick(StripState &state)
{
    if (!state.BounceUp) {
        state.BounceTop += 5;
        if (state.BounceTop > state.BounceBase + 700)
            state.BounceUp = true;
    } else {
        state.BounceTop -= 5;
        if (state.BounceTop < state.BounceBase - 100)
            state.BounceUp = false;
    }
    return state.BounceTop;
}

int bounceRestart(StripState &state)
{
    state.BounceTop = state.LetterTop;
    state.BounceBase = state.BounceTop;
    return state.LetterTop;
}

Bounce::Bounce(StripState &state, LetterStrip &strip, QTimer &timer) : m_state(state), m_strip(strip), m_timer(timer)
{
}

void Bounce::start(int index)
{
    m_state.AnimLetter = index;
    m_state.BounceTop = m_state.LetterTop;
    m_timer.start();
}

void Bounce::tick()
{
    if (m_state.AnimLetter < m_strip.count())
        moveTo(bounceTick(m_state));
}

void Bounce::restart()
{
    if (m_state.AnimLetter < m_strip.count())
        moveTo(bounceRestart(m_state));
}

void Bounce::stop()
{
    m_timer.stop();
    m_state.AnimLetter = 0;
}

void Bounce::moveTo(int top)
{
    LetterPicture *letter = m_strip.letter(m_state.AnimLetter);
    letter->move(letter->left(), top);
}

} // namespace tildora
