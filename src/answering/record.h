#pragma once

#include "answering/answerstate.h"

#include <QString>

#include <optional>

namespace tildora {

// The judged part of a record line: where it starts in the word (0-based),
// how many letters it covers, and the text written there.
struct RecordStretch {
    int start = 0;
    int length = 0;
    QString text;
};

// How the child answered: by a letter, or by the no-accent button.
enum class AnsweredBy { Letter, NoAccentButton };

// What a right answer colours green in each mode: the pressed vowel, the
// marked syllable, the accented letter in place of the plain one, or the
// stressed vowel after the no-accent button. Empty when the line is
// inconsistent and the stretch would fall outside the word.
std::optional<RecordStretch> successStretch(const CurrentItem &item, const AnswerState &answer, AnsweredBy by);

// What a wrong answer colours red: the pressed letter, or the whole word
// after the no-accent button.
std::optional<RecordStretch> failureStretch(const CurrentItem &item, const AnswerState &answer, AnsweredBy by);

} // namespace tildora
