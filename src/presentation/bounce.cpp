#include "presentation/bounce.h"

namespace tildora {

int bounceTick(ExerciseState &state)
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

int bounceRestart(ExerciseState &state)
{
    state.BounceTop = state.LetterTop;
    state.BounceBase = state.BounceTop;
    return state.LetterTop;
}

} // namespace tildora
