#include <gtest/gtest.h>

#include <string>

#include "RecordingGame.h"

namespace {

TEST(Texts, TheScoreIsWindows1251Bytes) {
    RecordingGame game;
    game.OnGameEasy();
    const std::string expected = "\xF2\xEE\xF7\xEA\xE8:\t0";  // т о ч к и : TAB 0
    EXPECT_EQ(std::string(game.m_strScore), expected);
}

TEST(Texts, FormatFillsTextsOfAnyLength) {
    CString text;
    text.Format("%d.", 25);
    EXPECT_EQ(text, "25.");
    EXPECT_EQ(text.GetLength(), 3);
    const std::string longer(200, 'x');
    text.Format("%s%d", longer.c_str(), 7);
    EXPECT_EQ(text.GetLength(), 201);
    EXPECT_EQ(std::string(text), longer + "7");
    text = "";
    EXPECT_TRUE(text.IsEmpty());
}

TEST(Texts, AFormatThatCannotBeWrittenLeavesAnEmptyText) {
    CString text("kept?");
    // A character the C locale cannot write makes the format fail.
    text.Format("%ls", L"\x4E2D");
    EXPECT_TRUE(text.IsEmpty());
}

TEST(Texts, WithoutAChosenSecondAGameIsSeededFromTheClock) {
    struct ClockGame : RecordingGame {
        std::time_t seen = 0;
        std::time_t SeedTime() override { return seen = CTriviaGame::SeedTime(); }
    } game;
    const std::time_t before = std::time(nullptr);
    game.OnGameEasy();
    EXPECT_GE(game.seen, before);
    EXPECT_LE(game.seen, std::time(nullptr));
}

}  // namespace
