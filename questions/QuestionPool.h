#pragma once

#include <cstddef>
#include <cstring>

#include "questions/PoolEntry.h"

constexpr std::size_t kEasyCount = 42;
constexpr std::size_t kHardCount = 77;
constexpr std::size_t kLogicCount = 61;

// A level's questions, stored as three parallel arrays indexed by entry number.
template <std::size_t N>
struct QuestionPool {
    static constexpr std::size_t kCount = N;

    const char (&szQuestion)[N][kQuestionSize];
    const char (&szAnswer)[N][kAnswerCount][kAnswerSize];
    const unsigned char (&nCorrect)[N];

    // A modifiable copy of every entry, in stored order.
    void CopyTo(PoolEntry (&entries)[N]) const {
        for (std::size_t i = 0; i < N; ++i) {
            std::memcpy(entries[i].szQuestion, szQuestion[i], kQuestionSize);
            std::memcpy(entries[i].szAnswer, szAnswer[i], sizeof entries[i].szAnswer);
            entries[i].nCorrect = nCorrect[i];
        }
    }
};

extern const QuestionPool<kEasyCount> g_easyPool;
extern const QuestionPool<kHardCount> g_hardPool;
extern const QuestionPool<kLogicCount> g_logicPool;
