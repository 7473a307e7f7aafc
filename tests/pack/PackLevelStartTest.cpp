#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "../RecordingGame.h"
#include "PackSamples.h"
#include "about/HintCodes.h"
#include "packs/PackExport.h"

namespace {

using Lines = std::vector<std::string>;

void Start(CTriviaGame& game, PackLevel level) {
    switch (level) {
        case PackLevel::Easy: game.OnGameEasy(); break;
        case PackLevel::Hard: game.OnGameHard(); break;
        case PackLevel::Logic: game.OnGameLogic(); break;
    }
}

const PackLevel kLevels[] = {PackLevel::Easy, PackLevel::Hard, PackLevel::Logic};

// The same seconds give the same games, question for question and answer for answer, from the
// pools and from the pack they were exported as.
void ExpectTheSameGames(const QuestionPack& pack, PackLevel level) {
    for (std::time_t second = 0; second < 300; ++second) {
        RecordingGame pools;
        RecordingGame packed;
        packed.PlayPack(&pack);
        pools.seedTime = packed.seedTime = 1'765'000'000 + second * 7;
        Start(pools, level);
        Start(packed, level);
        ASSERT_EQ(std::memcmp(pools.m_round, packed.m_round, sizeof pools.m_round), 0)
            << LevelName(level) << " at second " << second;
        ASSERT_EQ(pools.screen, packed.screen);
    }
}

TEST(PackRoundTripTest, TheExportedPoolsPlayTheSameGamesAsThePools) {
    const QuestionPack whole = QuestionPack::Read(ExportPools());
    ASSERT_EQ(ProblemLines(whole), Lines{});
    EXPECT_EQ(whole.Count(PackLevel::Easy), 42);
    EXPECT_EQ(whole.Count(PackLevel::Hard), 77);
    EXPECT_EQ(whole.Count(PackLevel::Logic), 61);
    for (PackLevel level : kLevels) {
        ExpectTheSameGames(whole, level);
        const QuestionPack alone = QuestionPack::Read(ExportPools(level));
        ASSERT_EQ(ProblemLines(alone), Lines{});
        EXPECT_FALSE(alone.NamesLevels()) << "a level alone is exported without its mark";
        ExpectTheSameGames(alone, level);
    }
}

TEST(PackRoundTripTest, TheExportIsMoodlesAikenWithTheQuestionsAsShown) {
    const std::string easy = ExportPools(PackLevel::Easy);
    EXPECT_EQ(easy.substr(0, easy.find("\n\n")),
              u8"Колко байта има един килобайт?\nA) 1000\nB) 1024\nC) 102.4\nD) 10.24\nANSWER: B");
    EXPECT_EQ(easy.find('['), std::string::npos);
    const std::string whole = ExportPools();
    EXPECT_EQ(whole.substr(0, 8), "[Easy]\n\n");
    EXPECT_NE(whole.find(u8"\n[Hard]\n\nПрез коя година е открит компасът?\n"), std::string::npos);
    EXPECT_NE(whole.find(u8"\n[Logic]\n\n"), std::string::npos);
    EXPECT_NE(whole.find(u8"Паметниците достигат до нас ... от вековете.\n"), std::string::npos);
}

TEST(PackLevelStartTest, ALevelThePackCannotPlayKeepsItsPool) {
    const QuestionPack pack = QuestionPack::Read("[Hard]\n" + AikenQuestions(30) + "[Logic]\n" + AikenQuestions(3));
    RecordingGame game;
    game.PlayPack(&pack);
    game.OnGameHard();
    EXPECT_EQ(std::string(game.m_round[0].szQuestion).rfind("Колко е ", 0), 0u);
    for (void (CTriviaGame::*start)() : {&CTriviaGame::OnGameEasy, &CTriviaGame::OnGameLogic}) {
        (game.*start)();
        EXPECT_NE(std::string(game.m_round[0].szQuestion).rfind("Колко е ", 0), 0u) << "a pool's question";
    }
    game.PlayPack(nullptr);
    game.OnGameHard();
    EXPECT_NE(std::string(game.m_round[0].szQuestion).rfind("Колко е ", 0), 0u) << "back to the pool";
}

TEST(PackLevelStartTest, APackGamePlaysByTheGamesRulesToTheWinAndTheHintNamesTheRightLetter) {
    const QuestionPack pack = QuestionPack::Read(AikenQuestions(25));
    RecordingGame game;
    game.PlayPack(&pack);
    game.OnGameLogic();
    EXPECT_EQ(game.screen.number, "1.");
    EXPECT_EQ(game.screen.question.back(), '?');
    std::set<std::string> questions;
    for (int i = 0; i < kRoundLength; ++i) {
        questions.insert(game.m_round[i].szQuestion);
        const std::string letter(1, static_cast<char>('A' + game.Pending().nCorrect - 1));
        EXPECT_EQ(std::string(HintSentence(game, AboutOpener::Menu)), "Сигурен съм, че е (" + letter + ")");
        // The shuffle kept each answer with its question: the right one is the question's number.
        const RoundRecord& pending = game.Pending();
        EXPECT_EQ("Колко е " + std::string(pending.szAnswer[pending.nCorrect - 1]) + "?", pending.szQuestion);
        game.AnswerRight();
    }
    EXPECT_EQ(questions.size(), 25u);
    EXPECT_EQ(game.m_nScore, 250);
    EXPECT_EQ(game.screen.question, "Честито!!! Току що превъртя (играта). Пробвай се на друго ниво, ако ти стиска!!!");
}

TEST(PackLevelStartTest, EveryQuestionOfABigLevelCanBeDrawn) {
    // More questions than RAND_MAX has on Windows, the most a single number there can reach.
    constexpr int kCount = 40'000;
    const QuestionPack pack = QuestionPack::Read(AikenQuestions(kCount));
    ASSERT_EQ(pack.Count(PackLevel::Easy), kCount);
    RecordingGame game;
    game.PlayPack(&pack);
    int highest = 0;
    int lowest = kCount;
    for (std::time_t second = 0; second < 400; ++second) {
        game.seedTime = second;
        game.OnGameEasy();
        std::set<std::string> drawn;
        for (const RoundRecord& record : game.m_round) {
            ASSERT_TRUE(drawn.insert(record.szQuestion).second);
            const int number = std::atoi(std::strrchr(record.szQuestion, ' ') + 1);
            highest = std::max(highest, number);
            lowest = std::min(lowest, number);
        }
    }
    EXPECT_GT(highest, kCount - 200);
    EXPECT_GT(highest, 32'768);
    EXPECT_LT(lowest, 200);
}

}  // namespace
