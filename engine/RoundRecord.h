#pragma once

// One question of the running game, as the player sees it: the question, its four
// answers in display order A to D, and which of them is right.

constexpr int kQuestionSize = 60;  // 59 characters and the terminator
constexpr int kAnswerSize = 30;    // 29 characters and the terminator
constexpr int kAnswerCount = 4;
constexpr int kRoundLength = 25;  // questions in one game

struct RoundRecord {
    char szQuestion[kQuestionSize];
    char szAnswer[kAnswerCount][kAnswerSize];
    unsigned char nCorrect;  // 1 = A .. 4 = D
};

static_assert(sizeof(RoundRecord) == kQuestionSize + kAnswerCount * kAnswerSize + 1,
              "a round record is its fields and nothing else");
