#include <cstdlib>
#include <cstring>
#include <utility>

#include "engine/TriviaGame.h"
#include "questions/QuestionPool.h"

namespace {

// Draws 25 distinct pool indices into the first 25 entries of the index table.
// A pass whose r is already drawn adds nothing: it redoes the last place instead.
template <std::size_t N>
void DrawQuestions(unsigned char (&indices)[N]) {
    static_assert(N >= kRoundLength && N <= 255, "a pool fills a game and fits a byte index");
    for (std::size_t i = 0; i < N; ++i) {
        indices[i] = static_cast<unsigned char>(i);
    }
    signed char k = 0;
    do {
        const int r = std::rand() % static_cast<int>(N);
        for (int j = 0; j < k; ++j) {
            if (indices[j] == r) {
                --k;
                break;
            }
        }
        std::swap(indices[k], indices[r]);
        ++k;
    } while (k < kRoundLength);
}

void SwapAnswers(PoolEntry& entry, int a, int b, unsigned char& p) {
    char held[kAnswerSize];
    std::strcpy(held, entry.szAnswer[a - 1]);
    std::strcpy(entry.szAnswer[a - 1], entry.szAnswer[b - 1]);
    std::strcpy(entry.szAnswer[b - 1], held);
    if (p == a) {
        p = static_cast<unsigned char>(b);
    } else if (p == b) {
        p = static_cast<unsigned char>(a);
    }
}

// Shuffles the answers of a drawn entry in the working pool and writes it as a game record.
void ShuffleInto(PoolEntry& entry, RoundRecord& record) {
    unsigned char p = entry.nCorrect;
    do {
        if (std::rand() % 3 < 2) {
            SwapAnswers(entry, 1, 2, p);
        }
        if (std::rand() % 3 < 2) {
            SwapAnswers(entry, 2, 3, p);
        }
        if (std::rand() % 3 < 2) {
            SwapAnswers(entry, 3, 4, p);
        }
    } while (std::rand() % 2 != 0);
    std::strcpy(record.szQuestion, entry.szQuestion);
    for (int k = 0; k < kAnswerCount; ++k) {
        std::strcpy(record.szAnswer[k], entry.szAnswer[k]);
    }
    record.nCorrect = p;
}

}  // namespace

template <std::size_t N>
void CTriviaGame::StartLevel(GameLevel level, const QuestionPool<N>& pool) {
    m_nScore = 0;
    m_nHover = 0;
    m_nCurrent = 0;
    m_nRevealLeft = kHelpUses;
    m_nRemoveLeft = kHelpUses;
    m_nLevel = level;

    PoolEntry working[N];
    pool.CopyTo(working);

    std::srand(static_cast<unsigned>(SeedTime()));

    unsigned char indices[N];
    DrawQuestions(indices);
    for (int i = 0; i < kRoundLength; ++i) {
        ShuffleInto(working[indices[i]], m_round[i]);
    }

    PresentQuestion(0);
    ShowScore();
    ShowNumber();
    Refresh();
}

void CTriviaGame::OnGameEasy() {
    StartLevel(kEasy, g_easyPool);
}
void CTriviaGame::OnGameHard() {
    StartLevel(kHard, g_hardPool);
}
void CTriviaGame::OnGameLogic() {
    StartLevel(kLogic, g_logicPool);
}
