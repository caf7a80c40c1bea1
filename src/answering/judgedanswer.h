#pragma once

#include "answering/answerstate.h"

#include <QString>

namespace tildora {

// One judged press, as the results and the record of a session see it.
struct JudgedAnswer {
    enum Result { Right, Wrong, PartialHit };  // PartialHit: a syllable letter that does not yet complete it
    int position = 0;  // 1-based letter position; 0 for the no-accent button
    QString pressed;   // the letter as drawn (from CurrentWord), or "sin-tilde"
    Result result = Wrong;
    Score score;       // the counters after the answer
};

} // namespace tildora
