#pragma once

#include "engine/RoundRecord.h"

// What the screen shows before the first game. After a lost game the answers are these again,
// under a question of its own that the answer check shows. Windows-1251, in a header of their
// own, so that the bench's bare window shows the same texts without any of the game in it.
inline constexpr char kStartQuestion[] = "От меню Game изберете нивото, на което ще играете.";
inline constexpr const char* kStartAnswers[kAnswerCount] = {
    "Играта е в експериментална фаза",
    "и е създадена за развлечение.",
    "Други интересни програми можете",
    "да намерите на сайта ми.",
};
