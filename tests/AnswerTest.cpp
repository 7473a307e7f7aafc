#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PoolView.h"
#include "RecordingGame.h"

namespace {

const std::string kScoreZero = "точки:\t0";
const std::string kWinText = "Честито!!! Току що превъртя (играта). Пробвай се на друго ниво, ако ти стиска!!!";
const std::string kEndOfGameText = "От меню Game изберете нивото, на което, ще играете.";

class AnswerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CTriviaGame::s_lastRemoved = 0;
        game.OnGameEasy();
        game.operations.clear();
    }

    int WrongAnswer() const { return game.Pending().nCorrect % kAnswerCount + 1; }

    RecordingGame game;
};

TEST(StartScreenTest, TheStartQuestionShowsAtOnceAndItsAnswersAtTheNextTick) {
    RecordingGame game;
    game.ShowStartScreen();
    EXPECT_EQ(game.screen.question, kStartQuestion);
    EXPECT_EQ(game.operations, std::vector<std::string>{"question"}) << "the window's first tick shows the answers";
    game.Tick();
    for (int k = 0; k < kAnswerCount; ++k) {
        EXPECT_EQ(game.screen.answer[k], kStartAnswers[k]);
    }
    EXPECT_EQ(game.screen.score, "");
    EXPECT_EQ(game.m_nLevel, kNoGame);
    EXPECT_EQ(game.m_nCurrent, kNoQuestion);
}

TEST_F(AnswerTest, RightAnswerToQuestionOneScoresTenAndPresentsQuestionTwo) {
    const RoundRecord& second = game.m_round[1];
    game.AnswerRight();
    EXPECT_EQ(game.m_nCurrent, 1);
    EXPECT_EQ(game.m_nScore, 10);
    EXPECT_EQ(std::string(game.m_strScore), "точки:\t10");
    EXPECT_EQ(game.screen.rank, 1);
    EXPECT_EQ(game.screen.number, "2.");
    EXPECT_EQ(game.screen.question, second.szQuestion);
    for (int k = 0; k < kAnswerCount; ++k) {
        EXPECT_EQ(std::string(game.m_strAnswer[k]), second.szAnswer[k]);
    }
}

TEST_F(AnswerTest, RightAnswerLeavesTheHeldTextsForTheNextTick) {
    game.AnswerRight();
    EXPECT_EQ(game.Refreshes(), 0);
    EXPECT_EQ(game.screen.score, kScoreZero) << "the new score shows only at the next tick";
    game.Tick();
    EXPECT_EQ(game.screen.score, "точки:\t10");
    EXPECT_EQ(game.screen.answer[0], game.m_round[1].szAnswer[0]);
}

TEST_F(AnswerTest, TheKeysAnswerAToD) {
    void (CTriviaGame::*keys[])() = {&CTriviaGame::OnAnswerA, &CTriviaGame::OnAnswerB, &CTriviaGame::OnAnswerC,
                                     &CTriviaGame::OnAnswerD};
    for (int question = 0; question < 8; ++question) {
        (game.*keys[game.Pending().nCorrect - 1])();
        ASSERT_EQ(game.m_nCurrent, question + 1);
    }
    (game.*keys[WrongAnswer() - 1])();
    EXPECT_EQ(game.m_nLevel, kNoGame);
}

TEST_F(AnswerTest, TwentyFiveRightAnswersWinAtTwoHundredFifty) {
    game.AnswerRight(kRoundLength);
    EXPECT_EQ(game.m_nScore, 250);
    EXPECT_EQ(game.m_nCurrent, kNoQuestion);
    EXPECT_EQ(game.m_nLevel, kEasy) << "a won game keeps its level";
    EXPECT_EQ(game.screen.question, kWinText);
    EXPECT_EQ(game.screen.number, "");
    EXPECT_EQ(game.screen.rank, 25);
    EXPECT_EQ(game.screen.score, "точки:\t250") << "the win refreshes at once";
    for (const std::string& answer : game.screen.answer) {
        EXPECT_EQ(answer, "");
    }
    EXPECT_EQ(game.operations.back(), "refresh");
    EXPECT_TRUE(game.boxes.empty());
}

TEST_F(AnswerTest, AfterTheWinAnswersAndHelpsDoNothing) {
    game.AnswerRight(kRoundLength);
    game.operations.clear();
    for (int k = 0; k <= kAnswerCount + 1; ++k) {
        game.CheckAnswer(k);
    }
    game.OnHintRemove();
    game.OnHintReveal();
    EXPECT_TRUE(game.operations.empty());
    EXPECT_EQ(game.m_nScore, 250);
}

TEST_F(AnswerTest, BeforeAnyGameNothingAnswers) {
    RecordingGame fresh;
    for (int k = 1; k <= kAnswerCount; ++k) {
        fresh.CheckAnswer(k);
    }
    fresh.OnHintRemove();
    fresh.OnHintReveal();
    EXPECT_TRUE(fresh.operations.empty());
    EXPECT_TRUE(fresh.boxes.empty());
    EXPECT_EQ(fresh.m_nCurrent, kNoQuestion);
    EXPECT_EQ(fresh.m_nLevel, kNoGame);
}

TEST_F(AnswerTest, NumbersOutsideOneToFourAreNoAnswer) {
    for (int k : {0, 5, -1, 1000, -2147483647 - 1}) {
        game.CheckAnswer(k);
    }
    EXPECT_TRUE(game.operations.empty());
    EXPECT_EQ(game.m_nCurrent, 0);
    EXPECT_EQ(game.m_nLevel, kEasy);
}

TEST_F(AnswerTest, QuestionMarkIsAddedOnlyWithoutColonOrFullStop) {
    const PoolView easy = AllPools()[0];
    for (int i = 0; i < kRoundLength; ++i) {
        const std::string stored = easy.Question(easy.EntryOf(game.Pending()));
        const bool shownAsStored = stored.back() == ':' || stored.back() == '.';
        EXPECT_EQ(game.screen.question, shownAsStored ? stored : stored + "?") << "question " << i + 1;
        EXPECT_EQ(game.screen.question, game.Pending().szQuestion) << "the record keeps what was shown";
        game.AnswerRight();
    }
}

TEST_F(AnswerTest, ChoosingABlankedAnswerCostsNothingAndEndsNothing) {
    game.AnswerRight(3);
    game.OnHintRemove();
    const int blank = CTriviaGame::s_lastRemoved;
    const int score = game.m_nScore;
    game.operations.clear();
    game.CheckAnswer(blank);
    game.CheckAnswer(blank);
    ASSERT_EQ(game.boxes.size(), 2u);
    for (const BoxSeen& box : game.boxes) {
        EXPECT_EQ(box.text, "Are you idiot?!?");
        EXPECT_FALSE(box.hasCaption);
        EXPECT_EQ(box.icon, BoxIcon::None);
    }
    EXPECT_EQ(game.m_nScore, score);
    EXPECT_EQ(game.m_nCurrent, 3);
    EXPECT_EQ(game.m_nLevel, kEasy);
    EXPECT_EQ(game.operations, (std::vector<std::string>{"box", "box"}));
}

TEST_F(AnswerTest, AWrongAnswerLeavesOnlyTheRightAnswerVisibleWhileTheBoxIsOpen) {
    game.AnswerRight(4);
    game.Tick();
    game.operations.clear();
    const RoundRecord& pending = game.Pending();
    const std::string question = game.screen.question;
    game.CheckAnswer(WrongAnswer());

    ASSERT_EQ(game.boxes.size(), 1u);
    const BoxSeen& box = game.boxes[0];
    EXPECT_EQ(box.text, "WRONG!!!");
    EXPECT_TRUE(box.hasCaption);
    EXPECT_EQ(box.caption, "ERROR");
    EXPECT_EQ(box.icon, BoxIcon::Stop);
    EXPECT_EQ(box.screen.question, question);
    EXPECT_EQ(box.screen.number, "5.");
    EXPECT_EQ(box.screen.score, "точки:\t40");
    EXPECT_EQ(box.screen.rank, 4);
    for (int k = 1; k <= kAnswerCount; ++k) {
        EXPECT_EQ(box.screen.answer[k - 1], k == pending.nCorrect ? pending.szAnswer[k - 1] : "") << k;
    }
    EXPECT_EQ(game.operations, (std::vector<std::string>{"box", "number", "question", "rank"}))
        << "no refresh before the box, none after it";
}

TEST_F(AnswerTest, AWrongAnswerEndsTheGameBeforeTheBoxOpens) {
    struct Watching : RecordingGame {
        int levelUnderBox = -1;
        int currentUnderBox = -1;
        void ShowMessageBox(const char* text, const char* caption, BoxIcon icon) override {
            levelUnderBox = m_nLevel;
            currentUnderBox = m_nCurrent;
            RecordingGame::ShowMessageBox(text, caption, icon);
        }
    } watching;
    watching.OnGameHard();
    watching.CheckAnswer(watching.Pending().nCorrect % kAnswerCount + 1);
    EXPECT_EQ(watching.levelUnderBox, kNoGame);
    EXPECT_EQ(watching.currentUnderBox, kNoQuestion);
}

TEST_F(AnswerTest, AfterAWrongAnswerTheEndScreenShowsAndTheScoreIsKept) {
    game.AnswerRight(2);
    game.OnHintRemove();
    game.CheckAnswer(game.ShownWrongAnswer());
    game.Tick();
    EXPECT_EQ(game.screen.question, kEndOfGameText);
    EXPECT_EQ(game.screen.number, "");
    EXPECT_EQ(game.screen.score, "");
    EXPECT_EQ(game.screen.rank, 0);
    for (int k = 0; k < kAnswerCount; ++k) {
        EXPECT_EQ(game.screen.answer[k], kStartAnswers[k]);
    }
    EXPECT_EQ(game.m_nScore, 10) << "the last score stays until the next level start";
    EXPECT_EQ(game.m_nRemoveLeft, 1);
    EXPECT_EQ(game.m_nLevel, kNoGame);
    EXPECT_EQ(game.m_nCurrent, kNoQuestion);

    game.operations.clear();
    game.CheckAnswer(1);
    game.OnHintRemove();
    game.OnHintReveal();
    EXPECT_TRUE(game.operations.empty()) << "a lost game takes no answer and no help";
}

}  // namespace
