#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "PoolView.h"
#include "RecordingGame.h"

// The draw favours the first 25 stored entries, and the shuffle favours some answer places.
// Measured over many games and compared with the odds of an evenly spread generator; the
// tolerance is four standard deviations of the sample, so only a wrong algorithm fails.

namespace {

constexpr int kGames = 20'000;

struct Odds {
    int level;
    double entry24;  // share of games that draw stored entry 24
    double later;    // share of games that draw any one entry from 25 on
};

// From 200,000 games of the same draw with an evenly spread generator.
const Odds kDrawOdds[] = {{kEasy, 0.705, 0.502}, {kHard, 0.473, 0.286}, {kLogic, 0.557, 0.353}};

void PrintTo(const Odds& odds, std::ostream* out) {
    *out << "level " << odds.level;
}

double Tolerance(double p, double samples) {
    return 4 * std::sqrt(p * (1 - p) / samples);
}

struct Tally {
    std::vector<int> drawn;
    int storedD = 0;
    int storedDShownA = 0;
    int storedDShownC = 0;
};

Tally PlayGames(const PoolView& pool) {
    Tally tally;
    tally.drawn.assign(pool.count, 0);
    RecordingGame game;
    for (int g = 0; g < kGames; ++g) {
        game.seedTime = 86'400 + g;
        switch (pool.level) {
            case kEasy: game.OnGameEasy(); break;
            case kHard: game.OnGameHard(); break;
            default: game.OnGameLogic(); break;
        }
        for (const RoundRecord& record : game.m_round) {
            const int entry = pool.EntryOf(record);
            ++tally.drawn[entry];
            if (pool.nCorrect[entry] == 4) {
                ++tally.storedD;
                tally.storedDShownA += record.nCorrect == 1;
                tally.storedDShownC += record.nCorrect == 3;
            }
        }
    }
    return tally;
}

class DrawOddsTest : public ::testing::TestWithParam<Odds> {};

TEST_P(DrawOddsTest, LaterEntriesAreDrawnLessOftenAndAnswersStoredAsDMoveAsExpected) {
    const Odds odds = GetParam();
    PoolView pool{};
    for (const PoolView& candidate : AllPools()) {
        if (candidate.level == odds.level) {
            pool = candidate;
        }
    }
    const Tally tally = PlayGames(pool);

    EXPECT_NEAR(tally.drawn[24] / double(kGames), odds.entry24, Tolerance(odds.entry24, kGames));
    int later = 0;
    for (std::size_t entry = kRoundLength; entry < pool.count; ++entry) {
        later += tally.drawn[entry];
    }
    const double laterGames = double(kGames) * double(pool.count - kRoundLength);
    EXPECT_NEAR(later / laterGames, odds.later, Tolerance(odds.later, laterGames));

    ASSERT_GT(tally.storedD, 0);
    EXPECT_NEAR(tally.storedDShownA / double(tally.storedD), 16.0 / 231, Tolerance(16.0 / 231, tally.storedD));
    EXPECT_NEAR(tally.storedDShownC / double(tally.storedD), 36.0 / 77, Tolerance(36.0 / 77, tally.storedD));
}

INSTANTIATE_TEST_SUITE_P(Levels, DrawOddsTest, ::testing::ValuesIn(kDrawOdds),
                         [](const ::testing::TestParamInfo<Odds>& param) {
                             return param.param.level == kEasy ? "Easy" : param.param.level == kHard ? "Hard" : "Logic";
                         });

}  // namespace
