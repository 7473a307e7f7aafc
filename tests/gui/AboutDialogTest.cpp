#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "GameWindow.h"
#include "PlayerInput.h"
#include "ShellRecording.h"
#include "res/resource.h"

namespace {

const UINT kLetterCommands[kAnswerCount] = {IDC_LETTER_A, IDC_LETTER_B, IDC_LETTER_C, IDC_LETTER_D};

std::wstring Letter(int nAnswer) {
    return std::wstring(1, static_cast<wchar_t>(L'A' + nAnswer - 1));
}

class AboutDialogTest : public ::testing::Test {
protected:
    // Opens the About box from the menu item, or from the system menu with the given command.
    HWND OpenAbout(WPARAM systemCommand = 0) {
        if (systemCommand == 0) {
            game.Command(ID_HELP_ABOUT);
        } else {
            PostMessageW(game.Handle(), WM_SYSCOMMAND, systemCommand, 0);
        }
        HWND about = game.WaitForAbout();
        if (about != nullptr) {
            SetForegroundWindow(about);
            WaitUntil([&] { return GetForegroundWindow() == about; });
        }
        return about;
    }

    std::wstring Secret(HWND about) const { return TextOf(GetDlgItem(about, IDC_SECRET)); }

    // Types the keys and waits until the hidden box has taken them all.
    void Type(HWND about, const std::wstring& keys, const std::wstring& expected) {
        SetForegroundWindow(about);
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == about; }));
        for (wchar_t key : keys) {
            PressKey(static_cast<WORD>(key));
        }
        ASSERT_TRUE(WaitUntil([&] { return Secret(about) == expected || game.BoxOpen(); }))
            << "typed text did not arrive";
    }

    // Closes the About box with Esc and waits until the main window has handled everything after it.
    void CloseWithEscape(HWND about) {
        PressKey(VK_ESCAPE);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    }

    // After this, whatever the opener did once the About box had closed has happened.
    void Settle() {
        game.Command(ID_GAME_LOGIC);
        WaitUntil([&] { return game.Dialog().m_nLevel == 4 || game.BoxOpen(); });
    }

    GameWindow game;
};

TEST_F(AboutDialogTest, TheHintCodeNamesTheRightLetterFromTheMenu) {
    game.StartEasy();
    const int right = game.RightAnswer();
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    Type(about, L"7485", L"");
    const SeenBox box = game.WaitForBox();
    ASSERT_NE(box.hWnd, nullptr);
    EXPECT_EQ(box.text, Wide("Сигурен съм, че е (") + Letter(right) + L")");
    EXPECT_EQ(box.caption, L"Hello My Master");
    EXPECT_FALSE(box.hasIcon);
    EXPECT_EQ(Secret(about), L"") << "the code is cleared before the box shows";
    game.CloseBox(box);
    EXPECT_TRUE(IsWindow(about)) << "the About box stays open";

    Type(about, L"7485", L"");
    const SeenBox again = game.WaitForBox();
    ASSERT_NE(again.hWnd, nullptr) << "the hint comes again within one showing";
    game.CloseBox(again);
    CloseWithEscape(about);
}

TEST_F(AboutDialogTest, TheSystemMenuHintSoundsCautiousAndNamesTheLetterAfterHelps) {
    game.StartEasy();
    for (int i = 0; i < 6; ++i) {
        game.Command(kLetterCommands[game.RightAnswer() - 1]);
        const std::wstring next = std::to_wstring(i + 2) + L".";
        ASSERT_TRUE(WaitUntil([&] { return game.Text(IDC_NUMBER) == next; }));
    }
    game.Command(ID_HINT_REVEAL);
    ASSERT_TRUE(WaitUntil([&] { return game.Text(IDC_SCORE) == Wide("точки:\t10"); }));
    const int right = game.RightAnswer();
    // Any system command from 16 to 31 is the About entry.
    HWND about = OpenAbout(IDM_ABOUTBOX + 7);
    ASSERT_NE(about, nullptr);
    Type(about, L"7485", L"");
    const SeenBox box = game.WaitForBox();
    ASSERT_NE(box.hWnd, nullptr);
    EXPECT_EQ(box.text, Wide("Най-вероятно е (") + Letter(right) + L")");
    game.CloseBox(box);
    CloseWithEscape(about);
}

TEST_F(AboutDialogTest, WithNoQuestionPendingTheHintGivesNothingAway) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    Type(about, L"7485", L"");
    const SeenBox box = game.WaitForBox();
    ASSERT_NE(box.hWnd, nullptr);
    EXPECT_EQ(box.text, Wide("Сигурен съм, че е (?)"));
    game.CloseBox(box);
    CloseWithEscape(about);
}

TEST_F(AboutDialogTest, ASpoiledCodeIsClearedAtTheFifthCharacter) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    Type(about, L"1748", L"1748");
    EXPECT_FALSE(game.BoxOpen());
    Type(about, L"5", L"");
    EXPECT_FALSE(game.BoxOpen());
    EXPECT_EQ(Secret(about), L"");
    CloseWithEscape(about);
}

TEST_F(AboutDialogTest, ADeletionIsAChangeToo) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    Type(about, L"7486", L"7486");
    PressKey(VK_BACK);
    ASSERT_TRUE(WaitUntil([&] { return Secret(about) == L"748"; }));
    Type(about, L"5", L"");
    const SeenBox box = game.WaitForBox();
    ASSERT_NE(box.hWnd, nullptr);
    game.CloseBox(box);
    CloseWithEscape(about);
}

TEST_F(AboutDialogTest, TheSecretDoorOpensAfterTheSystemMenuBoxClosesByEscEnterOrClick) {
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        HWND about = OpenAbout(IDM_ABOUTBOX);
        ASSERT_NE(about, nullptr);
        Type(about, L"3907", L"3907");
        EXPECT_FALSE(game.BoxOpen()) << "nothing happens while the About box is open";
        if (way == 0) {
            PressKey(VK_ESCAPE);
        } else if (way == 1) {
            PressKey(VK_RETURN);
        } else {
            MovePointerTo(GetDlgItem(about, IDC_RULES));
            ClickLeft();
        }
        const SeenBox door = game.WaitForBox();
        ASSERT_NE(door.hWnd, nullptr);
        EXPECT_FALSE(IsWindow(about));
        EXPECT_EQ(door.text, Wide("Очаквам заповедите Ви!"));
        EXPECT_EQ(door.caption, Wide("Тайната врата!"));
        EXPECT_EQ(GetWindow(door.hWnd, GW_OWNER), game.Handle());
        game.CloseBox(door);
    }
}

TEST_F(AboutDialogTest, NoDoorFromTheMenuItemAfterAFifthCharacterOrAfterTheHintCode) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    Type(about, L"3907", L"3907");
    CloseWithEscape(about);
    Settle();
    EXPECT_FALSE(game.BoxOpen()) << "the menu item's About box has no door";

    about = OpenAbout(IDM_ABOUTBOX);
    ASSERT_NE(about, nullptr);
    Type(about, L"39071", L"");
    CloseWithEscape(about);
    Settle();
    EXPECT_FALSE(game.BoxOpen()) << "a fifth character cleared the code";

    about = OpenAbout(IDM_ABOUTBOX);
    ASSERT_NE(about, nullptr);
    Type(about, L"7485", L"");
    const SeenBox hint = game.WaitForBox();
    ASSERT_NE(hint.hWnd, nullptr);
    game.CloseBox(hint);
    CloseWithEscape(about);
    Settle();
    EXPECT_FALSE(game.BoxOpen()) << "the hint code left the box empty";
}

TEST_F(AboutDialogTest, LinksShowTheLinkCursorAndEverythingElseTheGameCursor) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    const HCURSOR link = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_CURSOR));
    const HCURSOR gameCursor = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_GAME_CURSOR));
    auto cursorOver = [&](int id, HCURSOR expected) {
        MovePointerTo(GetDlgItem(about, id));
        return WaitUntil([&] {
            CURSORINFO cursor{};
            cursor.cbSize = sizeof cursor;
            GetCursorInfo(&cursor);
            return cursor.hCursor == expected;
        });
    };
    EXPECT_TRUE(cursorOver(IDC_WEB_LINK, link));
    EXPECT_TRUE(cursorOver(IDC_RULES, gameCursor));
    EXPECT_TRUE(cursorOver(IDC_MAIL_LINK, link));
    EXPECT_TRUE(cursorOver(IDC_THANKS, gameCursor));
    CloseWithEscape(about);
}

class ShellHandOff : public AboutDialogTest {
protected:
    std::wstring Opened() { return m_shell.Opened(); }

    ShellRecording m_shell;
};

TEST_F(ShellHandOff, AClickOnALinkOpensWhatItShowsAndTheBoxStaysOpen) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    const std::wstring web = TextOf(GetDlgItem(about, IDC_WEB_LINK));
    const std::wstring mail = TextOf(GetDlgItem(about, IDC_MAIL_LINK));

    // The right end of the label, past its text, counts as the link too.
    RECT label;
    GetWindowRect(GetDlgItem(about, IDC_WEB_LINK), &label);
    MovePointerTo(POINT{label.right - 2, (label.top + label.bottom) / 2});
    ClickLeft();
    EXPECT_NE(Opened().find(web), std::wstring::npos);
    EXPECT_TRUE(IsWindow(about));

    MovePointerTo(GetDlgItem(about, IDC_MAIL_LINK));
    ClickLeft();
    EXPECT_NE(Opened().find(L"mailto:" + mail), std::wstring::npos);
    EXPECT_TRUE(IsWindow(about));

    Type(about, L"7485", L"");
    const SeenBox box = game.WaitForBox();
    EXPECT_NE(box.hWnd, nullptr) << "codes still work after a link";
    if (box.hWnd != nullptr) {
        game.CloseBox(box);
    }
    CloseWithEscape(about);
}

TEST_F(AboutDialogTest, TheMainWindowsKeysDoNothingWhileTheAboutBoxIsOpen) {
    game.StartEasy();
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    PressKey('E', true);
    Type(about, L"ABCD", L"abcd");
    EXPECT_EQ(game.Dialog().m_nCurrent, 0) << "no letter answered the question";
    EXPECT_EQ(game.Text(IDC_NUMBER), L"1.");
    EXPECT_FALSE(game.BoxOpen());
    CloseWithEscape(about);
}

TEST_F(AboutDialogTest, HostileInputNeverStaysOverFourCharacters) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    HWND secret = GetDlgItem(about, IDC_SECRET);
    const std::wstring flood(5000, L'9');
    SendMessageW(secret, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(flood.c_str()));
    EXPECT_EQ(Secret(about), L"");
    for (wchar_t c : std::wstring(L"\x4E2D\x6587\x05D0\x0001\x00E9")) {
        SendMessageW(secret, WM_CHAR, c, 0);
    }
    EXPECT_LE(Secret(about).size(), 4u);
    for (int i = 0; i < 200; ++i) {
        SendMessageW(secret, WM_CHAR, L'0' + i % 10, 0);
        if (i % 3 == 0) {
            SendMessageW(secret, WM_CHAR, VK_BACK, 0);
        }
        ASSERT_LE(Secret(about).size(), 4u);
    }
    EXPECT_FALSE(game.BoxOpen());
    CloseWithEscape(about);
}

}  // namespace
