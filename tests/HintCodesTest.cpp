#include <gtest/gtest.h>

#include <string>

#include "RecordingGame.h"
#include "about/HintCodes.h"

namespace {

TEST(HintCodesTest, TheHintNamesTheRightLetterInTheOpenersWording) {
    RecordingGame game;
    EXPECT_EQ(HintLetter(game), '?') << "no question pending before a game";
    game.OnGameHard();
    for (int i = 0; i < kRoundLength; ++i) {
        const char letter = static_cast<char>('A' + game.Pending().nCorrect - 1);
        ASSERT_EQ(HintLetter(game), letter);
        game.AnswerRight();
    }
    EXPECT_EQ(HintLetter(game), '?') << "none after a win";
    game.OnGameEasy();
    const std::string letter(1, HintLetter(game));
    EXPECT_EQ(std::string(HintSentence(game, AboutOpener::Menu)), "Сигурен съм, че е (" + letter + ")");
    EXPECT_EQ(std::string(HintSentence(game, AboutOpener::WindowMenu)), "Най-вероятно е (" + letter + ")");
}

TEST(HintCodesTest, TheTypedTextIsJudgedWhole) {
    EXPECT_EQ(JudgeTypedCode("7485"), CodeVerdict::ShowHint);
    EXPECT_EQ(JudgeTypedCode("748"), CodeVerdict::Keep);
    EXPECT_EQ(JudgeTypedCode("1748"), CodeVerdict::Keep);
    EXPECT_EQ(JudgeTypedCode("17485"), CodeVerdict::Clear);
    EXPECT_EQ(JudgeTypedCode("3907"), CodeVerdict::Keep);
    EXPECT_EQ(JudgeTypedCode(""), CodeVerdict::Keep);
    EXPECT_EQ(JudgeTypedCode("абвгд"), CodeVerdict::Clear) << "five characters of any kind";
}

TEST(HintCodesTest, TheSecretDoorOpensOnlyFromTheWindowMenuForTheWholeCode) {
    EXPECT_TRUE(OpensSecretDoor(AboutOpener::WindowMenu, "3907"));
    EXPECT_FALSE(OpensSecretDoor(AboutOpener::Menu, "3907"));
    EXPECT_FALSE(OpensSecretDoor(AboutOpener::WindowMenu, "390"));
    EXPECT_FALSE(OpensSecretDoor(AboutOpener::WindowMenu, "7485"));
    EXPECT_FALSE(OpensSecretDoor(AboutOpener::WindowMenu, ""));
}

}  // namespace
