#pragma once

#include <algorithm>
#include <cstddef>
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
    bool IsCorrectAnswer(std::size_t i, const char* text) const { return SameText(text, szAnswer[i][nCorrect[i] - 1]); }

    // The entry a game record came from: same question (perhaps with the "?" the game added)
    // and the same four answers in any order; -1 if none. Allocates nothing: the fuzzer and the
    // odds tests ask this for every record of every game.
    int EntryOf(const RoundRecord& record) const {
        for (std::size_t i = 0; i < count; ++i) {
            if (SameQuestion(record.szQuestion, szQuestion[i]) && Contains(szAnswer[i], record.szAnswer) &&
                Contains(record.szAnswer, szAnswer[i])) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

private:
    // Compared by hand: under the fuzzer every mismatch of the library's string comparisons is
    // taken for a hint, which costs more than the comparison itself.
    static const char* CommonEnd(const char* shown, const char* stored) {
        while (*stored != '\0' && *shown == *stored) {
            ++shown;
            ++stored;
        }
        return *stored == '\0' ? shown : nullptr;
    }

    static bool SameQuestion(const char* shown, const char* stored) {
        const char* rest = CommonEnd(shown, stored);
        return rest != nullptr && (rest[0] == '\0' || (rest[0] == '?' && rest[1] == '\0'));
    }

    static bool SameText(const char* shown, const char* stored) {
        const char* rest = CommonEnd(shown, stored);
        return rest != nullptr && rest[0] == '\0';
    }

    // Every answer of the one set stands in the other; both ways, four answers are the same four.
    static bool Contains(const char (&answers)[kAnswerCount][kAnswerSize],
                         const char (&wanted)[kAnswerCount][kAnswerSize]) {
        return std::all_of(std::begin(wanted), std::end(wanted), [&](const char* text) {
            return std::any_of(std::begin(answers), std::end(answers),
                               [&](const char* answer) { return SameText(answer, text); });
        });
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
