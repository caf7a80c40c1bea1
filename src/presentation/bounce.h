#pragma once

#include "content/exercisestate.h"

namespace tildora {

// One tick of the bounce of a found letter: 5 twips down until it has passed
// 700 below its base line, then 5 up until it has passed 100 above it, and
// so on. The direction is tested before the step and turned after it, so the
// letter goes one step past each line. Returns the Top to move it to.
int bounceTick(ExerciseState &state);

// The click on a letter puts the bouncing letter back on its row and makes
// that row the base line of the bounce. Returns the Top to move it to.
int bounceRestart(ExerciseState &state);

} // namespace tildora
