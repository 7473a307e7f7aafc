#include "tests/fuzz/GameRules.h"

#include <bitset>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

constexpr std::size_t kLargestPool = kHardCount;
static_assert(kLargestPool >= kEasyCount && kLargestPool >= kLogicCount, "the Hard pool is the largest");

const char kWrongText[] = "WRONG!!!";

const std::set<std::string> kBoxTexts = {
    kWrongText,
    "Are you idiot?!?",
    "Мисля, че не си платежоспособен!",
    "Не ставаш ли малко нахален?",
    "А точките аз ли да ти ги спечеля?!?",
    "Свърши се тя... стига ти за тази игра",
};

}  // namespace

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken rule: %s\n", what);
        std::abort();
    }
}

bool CheckBox(const char* text, BoxIcon icon) {
    const bool wrong = text == std::string(kWrongText);
    Require(kBoxTexts.count(text) == 1, "only the game's own boxes open");
    Require((icon == BoxIcon::Stop) == wrong, "only WRONG!!! has an icon");
    return wrong;
}

void CheckRound(const CTriviaGame& game, const PoolView& pool) {
    std::bitset<kLargestPool> drawn;
    for (const RoundRecord& record : game.m_round) {
        Require(record.nCorrect >= 1 && record.nCorrect <= kAnswerCount, "nCorrect is 1 to 4");
        const int entry = pool.EntryOf(record);
        Require(entry >= 0, "every record comes from the pool");
        Require(!drawn.test(static_cast<std::size_t>(entry)), "no entry twice in a game");
        drawn.set(static_cast<std::size_t>(entry));
        Require(pool.IsCorrectAnswer(static_cast<std::size_t>(entry), record.szAnswer[record.nCorrect - 1]),
                "nCorrect names the pool's right answer");
    }
}

void CheckState(const CTriviaGame& game, int rank, bool lost) {
    Require(game.m_nCurrent >= 0 && game.m_nCurrent <= kRoundLength, "m_nCurrent is 0 to 25");
    Require(game.m_nScore >= 0 && game.m_nScore <= 250 && game.m_nScore % 10 == 0, "score is 0..250 in tens");
    Require(game.m_nRemoveLeft >= 0 && game.m_nRemoveLeft <= 2, "-10 uses are 0 to 2");
    Require(game.m_nRevealLeft >= 0 && game.m_nRevealLeft <= 2, "-50 uses are 0 to 2");
    if (game.m_nLevel != kNoGame) {
        Require(rank == game.m_nScore / 10, "the gauge shows the score");
        CString score;
        score.Format("точки:\t%d", game.m_nScore);
        Require(game.m_strScore == score, "the score text shows the score");
    } else if (lost) {
        Require(rank == 0 && game.m_strScore.IsEmpty(), "a lost game empties the gauge and the score");
    }
    if (game.m_nCurrent < kRoundLength) {
        Require(game.m_nLevel != kNoGame, "a pending question belongs to a game");
        const RoundRecord& pending = game.m_round[game.m_nCurrent];
        Require(!game.m_strAnswer[pending.nCorrect - 1].IsEmpty(), "the right answer is never blanked");
    }
}
