#include <gtest/gtest.h>

#include <windows.h>

#include <psapi.h>

#include <cstdio>

#include "GameWindow.h"
#include "PlayerInput.h"
#include "res/resource.h"

namespace {

const UINT kLetterCommands[kAnswerCount] = {IDC_LETTER_A, IDC_LETTER_B, IDC_LETTER_C, IDC_LETTER_D};

class StressTest : public ::testing::Test {
protected:
    void ExpectSaneState() {
        EXPECT_GE(game.Dialog().m_nCurrent, 0);
        EXPECT_LE(game.Dialog().m_nCurrent, 25);
        EXPECT_EQ(game.Dialog().m_nScore % 10, 0);
        EXPECT_GE(game.Dialog().m_nScore, 0);
        EXPECT_LE(game.Dialog().m_nScore, 250);
    }

    GameWindow game;
};

TEST_F(StressTest, KeysHeldDownAcrossGamesNeverBreakTheGame) {
    game.Foreground();
    KeyDown(VK_CONTROL);
    for (int i = 0; i < 100; ++i) {
        KeyDown('E');  // auto-repeat: downs without ups
    }
    KeyUp('E');
    KeyUp(VK_CONTROL);
    ASSERT_TRUE(WaitUntil([&] { return game.Text(IDC_NUMBER) == L"1."; })) << game.KeysSeen();
    int boxes = 0;
    for (int round = 0; round < 4; ++round) {
        for (WORD key : {'A', 'B', 'C', 'D'}) {
            for (int repeat = 0; repeat < 50; ++repeat) {
                KeyDown(key);
            }
            KeyUp(key);
        }
        // Every wrong answer ends the game with a box; keys typed meanwhile went to the box.
        for (SeenBox box = game.WaitForBox(std::chrono::milliseconds(300)); box.hWnd != nullptr;
             box = game.WaitForBox(std::chrono::milliseconds(300))) {
            EXPECT_TRUE(box.text == L"WRONG!!!" || box.text == L"Are you idiot?!?") << round;
            game.CloseBox(box);
            ++boxes;
            game.Foreground();
        }
        ExpectSaneState();
        game.Command(ID_GAME_EASY);
        ASSERT_TRUE(WaitUntil([&] { return game.Dialog().m_nCurrent == 0; }));
    }
    EXPECT_GT(boxes, 0);
    EXPECT_TRUE(game.Running());
}

TEST_F(StressTest, NothingReachesTheGameWhileABoxIsOpen) {
    game.StartEasy();
    game.Command(ID_HINT_REVEAL);
    const SeenBox box = game.WaitForBox();
    ASSERT_NE(box.hWnd, nullptr);
    const int current = game.Dialog().m_nCurrent;
    const int level = game.Dialog().m_nLevel;
    SetForegroundWindow(box.hWnd);
    for (WORD key : {'A', 'B', 'C', 'D'}) {
        PressKey(key);
    }
    PressKey('H', true);
    MovePointerTo(game.Control(IDC_MARK_A + game.RightAnswer() - 1));
    ClickLeft();
    MovePointerTo(game.Control(IDC_MARK_A));
    ClickLeft();
    game.WaitTicks(5);
    EXPECT_TRUE(IsWindow(box.hWnd));
    EXPECT_EQ(game.Dialog().m_nCurrent, current);
    EXPECT_EQ(game.Dialog().m_nLevel, level);
    EXPECT_EQ(game.Text(IDC_NUMBER), L"1.");
    game.CloseBox(box);
}

TEST_F(StressTest, TenThousandTicksWithUnchangedTextsSendNoText) {
    game.StartEasy();
    game.WaitTicks(2);
    const SetTextCounter texts(game.Handle());
    const auto start = std::chrono::steady_clock::now();
    for (int tick = 0; tick < 10000; ++tick) {
        SendMessageW(game.Handle(), WM_TIMER, 0, 0);
    }
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start);
    for (int id : {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C, IDC_ANSWER_D, IDC_SCORE}) {
        EXPECT_EQ(texts.Count(game.Control(id)), 0) << "control " << id;
    }
    EXPECT_LE(texts.Count(game.Control(IDC_TIME)), seconds.count() + 2) << "the clock only when its second changes";
}

TEST_F(StressTest, MinimisedAndRestoredTheWindowKeepsItsGame) {
    game.StartEasy();
    game.WaitTicks(2);
    const std::wstring question = game.Text(IDC_QUESTION);
    ShowWindow(game.Handle(), SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(game.Handle()) != FALSE; }));
    RedrawWindow(game.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    game.WaitTicks(3);
    ShowWindow(game.Handle(), SW_RESTORE);
    ASSERT_TRUE(WaitUntil([&] { return !IsIconic(game.Handle()); }));
    EXPECT_EQ(game.Text(IDC_QUESTION), question);
    EXPECT_EQ(game.Text(IDC_NUMBER), L"1.");
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(game.Handle(), WM_QUERYDRAGICON, 0, 0)),
              LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)));
}

TEST_F(StressTest, TheAboutBoxOpenedAndClosedAThousandTimesLeavesNothingBehind) {
    auto openAndClose = [&] {
        game.Command(ID_HELP_ABOUT);
        HWND about = game.WaitForAbout();
        ASSERT_NE(about, nullptr);
        PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    };
    for (int i = 0; i < 20; ++i) {
        openAndClose();  // whatever is made once and kept is made by now
    }
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS before{};
    GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);
    for (int i = 0; i < 1000; ++i) {
        openAndClose();
        if (HasFatalFailure()) {
            return;
        }
    }
    PROCESS_MEMORY_COUNTERS after{};
    GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);
    std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu, page file %zu -> %zu KB\n", gdiBefore,
                GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), userBefore,
                GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), before.PagefileUsage / 1024,
                after.PagefileUsage / 1024);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore + 2);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore + 2);
    EXPECT_LT(after.PagefileUsage, before.PagefileUsage + 2 * 1024 * 1024) << "memory grew";
    EXPECT_TRUE(game.Running());
}

TEST_F(StressTest, AltF4EndsTheProgramInEveryState) {
    // No game, a question pending, a won game and a lost game: each a fresh window.
    for (int state = 0; state < 4; ++state) {
        SCOPED_TRACE(state);
        GameWindow window;
        if (state > 0) {
            window.StartEasy();
        }
        if (state == 2) {
            for (int i = 0; i < kRoundLength; ++i) {
                window.Command(kLetterCommands[window.RightAnswer() - 1]);
                WaitUntil([&] { return window.Dialog().m_nCurrent == i + 1; });
            }
        }
        if (state == 3) {
            window.Command(kLetterCommands[window.WrongAnswer() - 1]);
            const SeenBox box = window.WaitForBox();
            ASSERT_NE(box.hWnd, nullptr);
            window.CloseBox(box);
        }
        window.Foreground();
        PressKeyWith(VK_MENU, VK_F4);
        EXPECT_TRUE(WaitUntil([&] { return !window.Running(); })) << "Alt+F4 closed the window";
    }
}

}  // namespace
