#pragma once

#include "engine/RoundRecord.h"

// One question of a level's pool, laid out like the game's own record.
struct PoolEntry {
    char szQuestion[kQuestionSize];
    char szAnswer[kAnswerCount][kAnswerSize];
    unsigned char nCorrect;  // 1 = A .. 4 = D
};

static_assert(sizeof(PoolEntry) == 181, "a pool entry is 181 bytes");
