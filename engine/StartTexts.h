#pragma once

#include "engine/RoundRecord.h"

// What the screen shows while no game runs: at the start, and after a lost game, when the
// question has a comma after "което". Windows-1251, in a header of their own, so that the
// bench's bare window shows the same texts without any of the game in it.
inline constexpr char kStartQuestion[] = "От меню Game изберете нивото, на което ще играете.";
inline constexpr const char* kStartAnswers[kAnswerCount] = {
    "Играта е в експериментална фаза",
    "и е създадена за развлечение.",
    "Други интересни програми можете",
    "да намерите на сайта ми.",
};
