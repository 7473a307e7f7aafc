#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "engine/TriviaGame.h"
#include "questions/QuestionPool.h"

// One pool seen through plain pointers, so that tests can walk all three alike.
struct PoolView {
    const char* name;
    int level;
    std::size_t count;
    const char (*szQuestion)[kQuestionSize];
    const char (*szAnswer)[kAnswerCount][kAnswerSize];
    const unsigned char* nCorrect;

    std::string Question(std::size_t i) const { return szQuestion[i]; }
    std::string Answer(std::size_t i, int k) const { return szAnswer[i][k - 1]; }
    std::string CorrectAnswer(std::size_t i) const { return Answer(i, nCorrect[i]); }

    // The entry a game record came from: same question (perhaps with the "?" the game added)
    // and the same four answers in any order; -1 if none.
    int EntryOf(const RoundRecord& record) const {
        std::vector<std::string> shown(record.szAnswer, record.szAnswer + kAnswerCount);
        std::sort(shown.begin(), shown.end());
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t length = std::strlen(szQuestion[i]);
            if (std::strncmp(record.szQuestion, szQuestion[i], length) != 0 ||
                (record.szQuestion[length] != '\0' && std::strcmp(record.szQuestion + length, "?") != 0)) {
                continue;
            }
            std::vector<std::string> stored(szAnswer[i], szAnswer[i] + kAnswerCount);
            std::sort(stored.begin(), stored.end());
            if (stored == shown) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
};

// Test names and failure messages name a pool by its level.
inline void PrintTo(const PoolView& pool, std::ostream* out) {
    *out << pool.name;
}

template <std::size_t N>
PoolView ViewOf(const char* name, int level, const QuestionPool<N>& pool) {
    return {name, level, N, pool.szQuestion, pool.szAnswer, pool.nCorrect};
}

inline std::vector<PoolView> AllPools() {
    return {ViewOf("Easy", kEasy, g_easyPool), ViewOf("Hard", kHard, g_hardPool), ViewOf("Logic", kLogic, g_logicPool)};
}

// Windows-1251 text as UTF-8, for readable failure messages.
inline std::string Utf8(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c >= 0xC0) {
            const unsigned code = 0x410 + (c - 0xC0u);
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += "\\x";
            out += "0123456789ABCDEF"[c >> 4];
            out += "0123456789ABCDEF"[c & 15];
        }
    }
    return out;
}
