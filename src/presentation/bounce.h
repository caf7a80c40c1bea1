#pragma once

#include "presentation/stripstate.h"

class QTimer;

namespace tildora {

class LetterStrip;

// One tick of the bounce of a found letter: 5 twips down until it has passed
// 700 below its base line, then 5 up until it has passed 100 above it, and
// so on. The direction is tested before the step and turned after it, so the
// letter goes one step past each line. Returns the Top to move it to.
int bounceTick(StripState &state);

// The click on a letter puts the bouncing letter back on its row and makes
// that row the base line of the bounce. Returns the Top to move it to.
int bounceRestart(StripState &state);

// The bounce of the found letter over the letter strip, driven by the timer:
// the one place that starts, moves and stops it.
class Bounce
{
public:
    Bounce(StripState &state, LetterStrip &strip, QTimer &timer);

    // Letter picture `index` starts from its row; the base line stays.
    void start(int index);
    void tick();     // the timer's tick
    void restart();  // a click on a letter
    // A new word: no letter bounces, and the first is the one a tick moves.
    void stop();

private:
    void moveTo(int top);
    StripState &m_state;
    LetterStrip &m_strip;
    QTimer &m_timer;
};

} // namespace tildora
