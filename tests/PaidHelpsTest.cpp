#include <gtest/gtest.h>

#include <set>
#include <string>

#include "RecordingGame.h"

namespace {

const std::string kCannotPay = "Мисля, че не си платежоспособен!";
const std::string kCheeky = "Не ставаш ли малко нахален?";
const std::string kEarnItYourself = "А точките аз ли да ти ги спечеля?!?";
const std::string kEnough = "Свърши се тя... стига ти за тази игра";

class PaidHelpsTest : public ::testing::Test {
protected:
    void SetUp() override { CTriviaGame::s_lastRemoved = 0; }

    // A new Easy game with the given number of right answers behind it.
    void PlayTo(int points) {
        game.OnGameEasy();
        game.AnswerRight(points / kPointsPerAnswer);
        game.operations.clear();
        game.boxes.clear();
    }

    int BlankCount() const {
        int blanks = 0;
        for (const CString& answer : game.m_strAnswer) {
            blanks += answer.IsEmpty();
        }
        return blanks;
    }

    void ExpectRefusal(const std::string& text) {
        ASSERT_EQ(game.boxes.size(), 1u);
        EXPECT_EQ(game.boxes[0].text, text);
        EXPECT_FALSE(game.boxes[0].hasCaption);
        EXPECT_EQ(game.boxes[0].icon, BoxIcon::None);
        EXPECT_EQ(game.operations, std::vector<std::string>{"box"}) << "a refusal changes nothing on screen";
    }

    RecordingGame game;
};

TEST_F(PaidHelpsTest, RemoveWithNoPointsIsRefused) {
    PlayTo(0);
    game.OnHintRemove();
    ExpectRefusal(kCannotPay);
    EXPECT_EQ(game.m_nRemoveLeft, 2);
    EXPECT_EQ(BlankCount(), 0);
}

TEST_F(PaidHelpsTest, RemoveWithExactlyTenPointsLeavesZero) {
    PlayTo(10);
    game.OnHintRemove();
    EXPECT_EQ(game.m_nScore, 0);
    EXPECT_EQ(game.screen.rank, 0);
    EXPECT_EQ(game.screen.score, "точки:\t0") << "the help refreshes at once";
    EXPECT_EQ(BlankCount(), 1);
    EXPECT_EQ(game.operations.back(), "refresh");
    EXPECT_TRUE(game.boxes.empty());
}

TEST_F(PaidHelpsTest, RemoveNeverBlanksTheRightAnswer) {
    for (std::time_t second = 0; second < 300; ++second) {
        game.seedTime = second;
        PlayTo(30);
        game.OnHintRemove();
        game.OnHintRemove();
        ASSERT_EQ(BlankCount(), 2) << "seed " << second;
        ASSERT_FALSE(game.m_strAnswer[game.Pending().nCorrect - 1].IsEmpty()) << "seed " << second;
    }
}

TEST_F(PaidHelpsTest, RemoveTwiceBlanksTwoAnswersThenTheThirdIsCheeky) {
    PlayTo(40);
    game.OnHintRemove();
    const int first = CTriviaGame::s_lastRemoved;
    game.OnHintRemove();
    const int second = CTriviaGame::s_lastRemoved;
    EXPECT_NE(first, second);
    EXPECT_EQ(BlankCount(), 2);
    EXPECT_EQ(game.m_nScore, 20);
    EXPECT_EQ(game.m_nRemoveLeft, 0);

    game.operations.clear();
    game.OnHintRemove();
    ExpectRefusal(kCheeky);
    EXPECT_EQ(game.m_nScore, 20);
    EXPECT_EQ(CTriviaGame::s_lastRemoved, 0) << "a refused -10 forgets the last blanked answer";
}

TEST_F(PaidHelpsTest, TooFewPointsIsToldBeforeNoUsesLeft) {
    PlayTo(20);
    game.OnHintRemove();
    game.OnHintRemove();
    const int last = CTriviaGame::s_lastRemoved;
    game.boxes.clear();
    game.operations.clear();
    game.OnHintRemove();
    ExpectRefusal(kCannotPay);
    EXPECT_EQ(CTriviaGame::s_lastRemoved, last) << "only the no-uses refusal clears it";
}

TEST_F(PaidHelpsTest, ARightAnswerGivesRemoveTwoUsesAgain) {
    PlayTo(50);
    game.OnHintRemove();
    game.OnHintRemove();
    game.OnHintReveal();  // 30 points: refused, allowance untouched
    game.AnswerRight();
    EXPECT_EQ(game.m_nRemoveLeft, 2);
    EXPECT_EQ(game.m_nRevealLeft, 2);
    game.boxes.clear();
    game.OnHintRemove();
    game.OnHintRemove();
    EXPECT_TRUE(game.boxes.empty());
    EXPECT_EQ(BlankCount(), 2);
}

TEST_F(PaidHelpsTest, TheLastBlankedAnswerIsNotBlankedFirstOnTheNextQuestion) {
    // Over many games, the first -10 of a question never repeats the answer number blanked last,
    // even when that number was blanked in an earlier game.
    std::set<int> firstPicks;
    for (std::time_t second = 0; second < 200; ++second) {
        game.seedTime = second;
        PlayTo(20);
        const int before = CTriviaGame::s_lastRemoved;
        game.OnHintRemove();
        const int picked = CTriviaGame::s_lastRemoved;
        ASSERT_NE(picked, before) << "seed " << second;
        ASSERT_NE(picked, game.Pending().nCorrect);
        firstPicks.insert(picked);
    }
    EXPECT_EQ(firstPicks.size(), 4u) << "every answer number gets picked some time";
}

TEST_F(PaidHelpsTest, RevealBlanksEveryWrongAnswerForFifty) {
    PlayTo(60);
    const int correct = game.Pending().nCorrect;
    game.OnHintReveal();
    EXPECT_EQ(game.m_nScore, 10);
    EXPECT_EQ(game.screen.rank, 1);
    EXPECT_EQ(game.screen.score, "точки:\t10");
    for (int k = 1; k <= kAnswerCount; ++k) {
        EXPECT_EQ(game.screen.answer[k - 1].empty(), k != correct) << k;
    }
    EXPECT_EQ(game.operations.back(), "refresh");

    game.OnHintRemove();  // blanks an answer that is blank already: only the score moves
    EXPECT_EQ(game.m_nScore, 0);
    EXPECT_EQ(BlankCount(), 3);
}

TEST_F(PaidHelpsTest, RevealAfterRemoveStillCostsFifty) {
    PlayTo(70);
    game.OnHintRemove();
    game.OnHintReveal();
    EXPECT_EQ(game.m_nScore, 10);
    EXPECT_EQ(BlankCount(), 3);
}

TEST_F(PaidHelpsTest, RevealWithTooFewPointsIsRefused) {
    PlayTo(40);
    game.OnHintReveal();
    ExpectRefusal(kEarnItYourself);
    EXPECT_EQ(game.m_nRevealLeft, 2);
}

TEST_F(PaidHelpsTest, RevealWorksTwicePerGameEvenOnANewQuestion) {
    PlayTo(160);
    const unsigned char last = CTriviaGame::s_lastRemoved = 3;
    game.OnHintReveal();
    game.AnswerRight();
    game.OnHintReveal();
    game.AnswerRight();
    EXPECT_EQ(game.m_nRevealLeft, 0);
    EXPECT_EQ(game.m_nScore, 80);
    game.operations.clear();
    game.boxes.clear();
    game.OnHintReveal();
    ExpectRefusal(kEnough);
    EXPECT_EQ(game.m_nScore, 80);
    EXPECT_EQ(CTriviaGame::s_lastRemoved, last) << "-50 leaves the last blanked answer alone";
}

TEST_F(PaidHelpsTest, ANewGameGivesBothHelpsBackButKeepsTheLastBlanked) {
    PlayTo(160);
    game.OnHintReveal();
    game.OnHintReveal();
    game.OnHintRemove();
    const int last = CTriviaGame::s_lastRemoved;
    game.OnGameLogic();
    EXPECT_EQ(game.m_nRevealLeft, 2);
    EXPECT_EQ(game.m_nRemoveLeft, 2);
    EXPECT_EQ(game.m_nScore, 0);
    EXPECT_EQ(CTriviaGame::s_lastRemoved, last);
}

}  // namespace
