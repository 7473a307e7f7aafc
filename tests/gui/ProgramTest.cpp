#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "GameWindow.h"
#include "MendoProgram.h"
#include "PlayerInput.h"
#include "ShellRecording.h"
#include "res/resource.h"

namespace {

using Program = MendoProgram;

const wchar_t* const kShellDlls[] = {L"shell32.dll", L"shlwapi.dll", L"shcore.dll"};

}  // namespace

TEST(ProgramTest, TheShellLoadsAtTheFirstClickOnALinkAndNotBefore) {
    ShellRecording shell;
    Program game;
    ASSERT_NE(game.Window(), nullptr);
    const std::set<std::wstring> atStart = game.Dlls();
    EXPECT_NE(atStart.count(L"comctl32.dll"), 0u);
    for (const wchar_t* dll : kShellDlls) {
        EXPECT_EQ(atStart.count(dll), 0u) << dll << " is loaded at start";
    }

    PostMessageW(game.Window(), WM_COMMAND, ID_HELP_ABOUT, 0);
    HWND about = game.WaitForWindow(IDC_SECRET);
    ASSERT_NE(about, nullptr);
    for (const wchar_t* dll : kShellDlls) {
        EXPECT_EQ(game.Dlls().count(dll), 0u) << dll << " is loaded with the About box";
    }

    SetForegroundWindow(about);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == about; }));
    const std::wstring web = TextOf(GetDlgItem(about, IDC_WEB_LINK));
    MovePointerTo(GetDlgItem(about, IDC_WEB_LINK));
    ClickLeft();
    EXPECT_NE(shell.Opened().find(web), std::wstring::npos);
    EXPECT_NE(game.Dlls().count(L"shell32.dll"), 0u);
    EXPECT_TRUE(IsWindow(about)) << "the box stays open";
    PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
}
