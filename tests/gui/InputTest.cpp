#include <gtest/gtest.h>

#include <string>

#include "GameWindow.h"
#include "PlayerInput.h"
#include "res/resource.h"

namespace {

const int kMarkerIds[kAnswerCount] = {IDC_MARK_A, IDC_MARK_B, IDC_MARK_C, IDC_MARK_D};

HICON ModuleIcon(int id) {
    return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

class InputTest : public ::testing::Test {
protected:
    // The answer a release chose: the number moves on for a right one, a box comes for a wrong one.
    bool Answered() { return game.Text(IDC_NUMBER) == L"2." || game.BoxOpen(); }

    GameWindow game;
};

TEST_F(InputTest, PressingOnOneMarkerAndReleasingOnAnotherChoosesTheSecond) {
    game.StartEasy();
    const int right = game.RightAnswer();
    const int other = right % kAnswerCount + 1;
    MovePointerTo(game.Control(kMarkerIds[other - 1]));
    ASSERT_TRUE(WaitUntil([&] { return game.MarkerIcon(other) == ModuleIcon(IDI_MARK_HOT); }));
    PressLeft();
    ASSERT_TRUE(WaitUntil([&] { return game.MarkerIcon(other) == ModuleIcon(IDI_MARK_PRESSED); }));
    MovePointerTo(game.Control(kMarkerIds[right - 1]));
    ASSERT_TRUE(WaitUntil([&] { return game.MarkerIcon(right) == ModuleIcon(IDI_MARK_HOT); }));
    EXPECT_EQ(game.MarkerIcon(other), ModuleIcon(IDI_MARK_IDLE)) << "the pressed marker went idle as the pointer left";
    ReleaseLeft();
    ASSERT_TRUE(WaitUntil([&] { return Answered(); }));
    EXPECT_EQ(game.Text(IDC_NUMBER), L"2.") << "the release chose the right answer";
}

TEST_F(InputTest, PressingOnAMarkerAndReleasingOffAllMarkersChoosesNothing) {
    game.StartEasy();
    MovePointerTo(game.Control(IDC_MARK_A));
    ASSERT_TRUE(WaitUntil([&] { return game.MarkerIcon(1) == ModuleIcon(IDI_MARK_HOT); }));
    PressLeft();
    ASSERT_TRUE(WaitUntil([&] { return game.MarkerIcon(1) == ModuleIcon(IDI_MARK_PRESSED); }));
    MovePointerTo(game.Control(IDC_QUESTION));
    ASSERT_TRUE(WaitUntil([&] { return game.MarkerIcon(1) == ModuleIcon(IDI_MARK_IDLE); }));
    ReleaseLeft();
    // A release that counted would have answered before the keys that follow act.
    game.Foreground();
    PressKey('L', true);
    ASSERT_TRUE(WaitUntil([&] { return game.Dialog().m_nLevel == 4; }));
    EXPECT_FALSE(game.BoxOpen());
}

TEST_F(InputTest, AClickOnAMarkerWithoutAGameOnlySwapsItsIcon) {
    MovePointerTo(game.Control(IDC_MARK_C));
    ASSERT_TRUE(WaitUntil([&] { return game.MarkerIcon(3) == ModuleIcon(IDI_MARK_HOT); }));
    PressLeft();
    ASSERT_TRUE(WaitUntil([&] { return game.MarkerIcon(3) == ModuleIcon(IDI_MARK_PRESSED); }));
    ReleaseLeft();
    ASSERT_TRUE(WaitUntil([&] { return game.MarkerIcon(3) == ModuleIcon(IDI_MARK_HOT); }));
    EXPECT_EQ(game.Text(IDC_QUESTION), Wide(kStartQuestion));
    EXPECT_FALSE(game.BoxOpen());
}

TEST_F(InputTest, ShiftAndControlWithALetterAreNoAnswer) {
    game.StartEasy();
    game.Foreground();
    const WORD right = static_cast<WORD>('A' + game.RightAnswer() - 1);
    PressKeyWith(VK_CONTROL, right);
    PressKeyWith(VK_SHIFT, right);
    PressKey('H', true);  // acts only after the keys before it were taken
    ASSERT_TRUE(WaitUntil([&] { return game.Dialog().m_nLevel == 2; }));
    EXPECT_EQ(game.Text(IDC_NUMBER), L"1.");
    EXPECT_EQ(game.Dialog().m_nScore, 0);
}

TEST_F(InputTest, TicksDoNotSendTextsThatAreAlreadyShown) {
    game.StartEasy();
    game.WaitTicks(2);
    const SetTextCounter texts(game.Handle());
    game.WaitTicks(20);
    for (int id : {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C, IDC_ANSWER_D, IDC_SCORE}) {
        EXPECT_EQ(texts.Count(game.Control(id)), 0) << "control " << id;
    }
    EXPECT_GE(texts.Count(game.Control(IDC_TIME)), 1) << "the clock's own changes are seen";
    EXPECT_LE(texts.Count(game.Control(IDC_TIME)), 3) << "the clock changes once a second";
}

TEST_F(InputTest, AKeyHeldDownAnswersWithEveryRepeat) {
    game.StartEasy();
    game.Foreground();
    // Auto-repeat sends key-downs without key-ups between them.
    for (int question = 1; question <= 3; ++question) {
        KeyDown(static_cast<WORD>('A' + game.RightAnswer() - 1));
        const std::wstring next = std::to_wstring(question + 1) + L".";
        ASSERT_TRUE(WaitUntil([&] { return game.Text(IDC_NUMBER) == next; })) << question;
    }
    for (WORD key : {'A', 'B', 'C', 'D'}) {
        KeyUp(key);
    }
}

}  // namespace
