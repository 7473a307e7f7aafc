#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "PoolView.h"
#include "RecordingGame.h"

namespace {

void StartLevel(RecordingGame& game, int level) {
    switch (level) {
        case kEasy: game.OnGameEasy(); break;
        case kHard: game.OnGameHard(); break;
        default: game.OnGameLogic(); break;
    }
}

class RoundSetupTest : public ::testing::TestWithParam<PoolView> {
protected:
    void SetUp() override { CTriviaGame::s_lastRemoved = 0; }
};

TEST_P(RoundSetupTest, EveryGameHasTwentyFiveDistinctEntriesWithTheirOwnAnswers) {
    const PoolView pool = GetParam();
    RecordingGame game;
    for (std::time_t second = 0; second < 200; ++second) {
        game.seedTime = 1'700'000'000 + second * 7919;
        StartLevel(game, pool.level);
        std::set<int> drawn;
        for (int i = 0; i < kRoundLength; ++i) {
            const RoundRecord& record = game.m_round[i];
            const int entry = pool.EntryOf(record);
            ASSERT_GE(entry, 0) << "record " << i << " comes from no entry: " << Utf8(record.szQuestion);
            ASSERT_TRUE(drawn.insert(entry).second) << "entry " << entry << " drawn twice";
            ASSERT_EQ(std::string(record.szAnswer[record.nCorrect - 1]), pool.CorrectAnswer(entry))
                << "the shuffle lost the right answer of entry " << entry;
        }
    }
}

TEST_P(RoundSetupTest, ALevelStartPresentsQuestionOne) {
    const PoolView pool = GetParam();
    RecordingGame game;
    StartLevel(game, pool.level);
    EXPECT_EQ(game.m_nLevel, pool.level);
    EXPECT_EQ(game.m_nCurrent, 0);
    EXPECT_EQ(game.screen.question, game.m_round[0].szQuestion);
    EXPECT_EQ(game.screen.number, "1.");
    EXPECT_EQ(game.screen.rank, 0);
    EXPECT_EQ(game.screen.score, "точки:\t0");
    for (int k = 0; k < kAnswerCount; ++k) {
        EXPECT_EQ(game.screen.answer[k], game.m_round[0].szAnswer[k]);
    }
    EXPECT_EQ(game.operations, (std::vector<std::string>{"question", "rank", "number", "refresh"}));
}

// A start that shuffled the stored pool, or kept its working copy, would break this too.
TEST_P(RoundSetupTest, TheSameSecondGivesTheSameGame) {
    const PoolView pool = GetParam();
    RecordingGame first;
    RecordingGame second;
    StartLevel(first, pool.level);
    first.AnswerRight(3);  // plays on: presented questions gain their "?"
    StartLevel(second, pool.level);
    StartLevel(first, pool.level);
    EXPECT_EQ(std::memcmp(first.m_round, second.m_round, sizeof first.m_round), 0);
}

TEST_P(RoundSetupTest, ALevelCommandMidGameStartsAfresh) {
    const PoolView pool = GetParam();
    RecordingGame game;
    game.OnGameHard();
    game.AnswerRight(7);
    game.OnHintReveal();
    game.OnHintRemove();
    game.m_nHover = 3;
    const unsigned char lastRemoved = CTriviaGame::s_lastRemoved;
    StartLevel(game, pool.level);
    EXPECT_EQ(game.m_nLevel, pool.level);
    EXPECT_EQ(game.m_nCurrent, 0);
    EXPECT_EQ(game.m_nScore, 0);
    EXPECT_EQ(game.m_nRemoveLeft, 2);
    EXPECT_EQ(game.m_nRevealLeft, 2);
    EXPECT_EQ(game.m_nHover, 0);
    EXPECT_EQ(game.screen.score, "точки:\t0");
    EXPECT_EQ(game.screen.number, "1.");
    EXPECT_EQ(game.screen.rank, 0);
    EXPECT_EQ(CTriviaGame::s_lastRemoved, lastRemoved);
}

TEST_P(RoundSetupTest, ALevelCommandAfterALostGameStartsANewOne) {
    const PoolView pool = GetParam();
    RecordingGame game;
    StartLevel(game, pool.level);
    game.CheckAnswer(game.Pending().nCorrect % kAnswerCount + 1);
    StartLevel(game, pool.level);
    EXPECT_EQ(game.m_nCurrent, 0);
    EXPECT_EQ(game.m_nLevel, pool.level);
    EXPECT_EQ(game.screen.number, "1.");
    game.AnswerRight();
    EXPECT_EQ(game.m_nScore, 10);
}

INSTANTIATE_TEST_SUITE_P(Levels, RoundSetupTest, ::testing::ValuesIn(AllPools()),
                         [](const ::testing::TestParamInfo<PoolView>& param) { return param.param.name; });

TEST(RoundSetup, DifferentLevelsInOneSecondDrawDifferentQuestions) {
    RecordingGame easy;
    RecordingGame hard;
    easy.OnGameEasy();
    hard.OnGameHard();
    EXPECT_NE(std::string(easy.m_round[0].szQuestion), hard.m_round[0].szQuestion);
}

TEST(RoundSetup, ALongQuestionWithoutColonFillsItsFieldWithTheQuestionMark) {
    // The longest question that takes a "?" is 58 bytes: shown, it is 59 and the terminator.
    RecordingGame game;
    bool seen = false;
    for (std::time_t second = 0; second < 400 && !seen; ++second) {
        game.seedTime = second;
        game.OnGameLogic();
        const std::string shown = game.screen.question;
        if (shown.size() == kQuestionSize - 1) {
            EXPECT_EQ(shown.back(), '?');
            EXPECT_EQ(game.m_round[0].szQuestion[kQuestionSize - 1], '\0');
            seen = true;
        }
    }
    EXPECT_TRUE(seen) << "no Logic game of 400 began with its longest question";
}

}  // namespace
