#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "engine/TriviaGame.h"
#include "packs/QuestionPack.h"
#include "questions/QuestionPool.h"

namespace {

// The index table of a level of the game's own: entry i holds a pool index and starts as i,
// one byte each.
template <std::size_t N>
class PoolIndexTable {
public:
    static_assert(N >= kRoundLength && N <= UCHAR_MAX, "a pool fills a game and fits a byte index");

    PoolIndexTable() {
        for (std::size_t i = 0; i < N; ++i) {
            m_index[i] = static_cast<unsigned char>(i);
        }
    }
    int Count() const { return static_cast<int>(N); }
    int At(int position) const { return m_index[position]; }
    void Exchange(int a, int b) { std::swap(m_index[a], m_index[b]); }

private:
    unsigned char m_index[N];
};

// The same table for a level of a pack, which may hold many thousands of questions of which a
// game draws 25: it keeps the entries a game is drawn into, and beyond them only those that an
// exchange has moved. Every other entry still holds its own position.
class PackIndexTable {
public:
    explicit PackIndexTable(int count)
        : m_count(count) {
        for (int i = 0; i < kRoundLength; ++i) {
            m_drawn[i] = i;
        }
        m_moved.reserve(kRoundLength);  // a draw seldom moves more
    }
    int Count() const { return m_count; }
    int At(int position) const {
        if (position < kRoundLength) {
            return m_drawn[position];
        }
        for (const Moved& moved : m_moved) {
            if (moved.position == position) {
                return moved.index;
            }
        }
        return position;
    }
    void Exchange(int a, int b) {
        const int atA = At(a);
        Put(a, At(b));
        Put(b, atA);
    }

private:
    struct Moved {
        int position;
        int index;
    };

    void Put(int position, int index) {
        if (position < kRoundLength) {
            m_drawn[position] = index;
            return;
        }
        for (Moved& moved : m_moved) {
            if (moved.position == position) {
                moved.index = index;
                return;
            }
        }
        m_moved.push_back({position, index});
    }

    int m_count;
    int m_drawn[kRoundLength];
    std::vector<Moved> m_moved;
};

// r, from 0 to count - 1. RAND_MAX is 32767 on Windows: a level bigger than that takes two
// numbers for each, so that every one of its questions can be drawn.
int RandomPosition(int count) {
    if (count - 1 <= RAND_MAX) {
        return std::rand() % count;
    }
    const unsigned long long high = static_cast<unsigned>(std::rand());
    const unsigned long long low = static_cast<unsigned>(std::rand());
    return static_cast<int>((high * (RAND_MAX + 1ULL) + low) % static_cast<unsigned long long>(count));
}

// Draws 25 distinct pool indices into the first 25 entries of the index table.
// A pass whose r is already drawn adds nothing: it redoes the last place instead.
template <typename IndexTable>
void DrawQuestions(IndexTable& indices) {
    signed char k = 0;
    do {
        const int r = RandomPosition(indices.Count());
        for (int j = 0; j < k; ++j) {
            if (indices.At(j) == r) {
                --k;
                break;
            }
        }
        indices.Exchange(k, r);
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

// Shuffles the answers of a drawn entry and writes it as a game record.
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

void CTriviaGame::ResetForLevel(GameLevel level) {
    m_nScore = 0;
    m_nHover = 0;
    m_nCurrent = 0;
    m_nRevealLeft = kHelpUses;
    m_nRemoveLeft = kHelpUses;
    m_nLevel = level;
}

void CTriviaGame::ShowFirstQuestion() {
    PresentQuestion(0);
    ShowScore();
    ShowNumber();
    Refresh();
}

// A pack that can play the level takes the place of its pool.
template <std::size_t N>
void CTriviaGame::StartLevel(GameLevel level, PackLevel packLevel, const QuestionPool<N>& pool) {
    if (m_pPack != nullptr && m_pPack->Plays(packLevel)) {
        StartPackLevel(level, *m_pPack, packLevel);
    } else {
        StartPoolLevel(level, pool);
    }
}

template <std::size_t N>
void CTriviaGame::StartPoolLevel(GameLevel level, const QuestionPool<N>& pool) {
    ResetForLevel(level);

    PoolEntry working[N];
    pool.CopyTo(working);

    std::srand(static_cast<unsigned>(SeedTime()));

    PoolIndexTable<N> indices;
    DrawQuestions(indices);
    for (int i = 0; i < kRoundLength; ++i) {
        ShuffleInto(working[indices.At(i)], m_round[i]);
    }

    ShowFirstQuestion();
}

// The same draw and shuffle, with the same numbers of the generator in the same order: only the
// 25 drawn questions are copied out of the pack, each as its turn to be shuffled comes.
void CTriviaGame::StartPackLevel(GameLevel level, const QuestionPack& pack, PackLevel packLevel) {
    ResetForLevel(level);

    std::srand(static_cast<unsigned>(SeedTime()));

    PackIndexTable indices(pack.Count(packLevel));
    DrawQuestions(indices);
    for (int i = 0; i < kRoundLength; ++i) {
        PoolEntry entry;
        pack.CopyEntry(packLevel, indices.At(i), entry);
        ShuffleInto(entry, m_round[i]);
    }

    ShowFirstQuestion();
}

void CTriviaGame::OnGameEasy() {
    StartLevel(kEasy, PackLevel::Easy, g_easyPool);
}
void CTriviaGame::OnGameHard() {
    StartLevel(kHard, PackLevel::Hard, g_hardPool);
}
void CTriviaGame::OnGameLogic() {
    StartLevel(kLogic, PackLevel::Logic, g_logicPool);
}
