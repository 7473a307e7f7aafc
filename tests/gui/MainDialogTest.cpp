#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "GameWindow.h"
#include "PlayerInput.h"
#include "framework/CWinApp.h"
#include "res/resource.h"

namespace {

const int kAnswerIds[kAnswerCount] = {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C, IDC_ANSWER_D};
const int kMarkerIds[kAnswerCount] = {IDC_MARK_A, IDC_MARK_B, IDC_MARK_C, IDC_MARK_D};
const UINT kLetterCommands[kAnswerCount] = {IDC_LETTER_A, IDC_LETTER_B, IDC_LETTER_C, IDC_LETTER_D};

HICON ModuleIcon(int id) {
    return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

class MainDialogTest : public ::testing::Test {
protected:
    void AnswerRight() {
        const std::wstring number = std::to_wstring(game.Dialog().m_nCurrent + 2) + L".";
        game.Command(kLetterCommands[game.RightAnswer() - 1]);
        ASSERT_TRUE(WaitUntil([&] { return game.Text(IDC_NUMBER) == number || game.Dialog().m_nCurrent == 25; }));
        game.WaitTicks(2);  // the new answers show with the clock
    }

    GameWindow game;
};

TEST_F(MainDialogTest, StartScreenShowsTheStartTextsAfterTheFirstTick) {
    EXPECT_EQ(game.Text(IDC_QUESTION), Wide(kStartQuestion));
    EXPECT_EQ(game.Text(IDC_NUMBER), L"");
    EXPECT_EQ(game.Text(IDC_SCORE), L"");
    for (int k = 0; k < kAnswerCount; ++k) {
        EXPECT_EQ(game.Text(kAnswerIds[k]), Wide(kStartAnswers[k]));
    }
    EXPECT_TRUE(std::regex_match(game.Text(IDC_TIME), std::wregex(L"[0-2][0-9]:[0-5][0-9]:[0-5][0-9]")))
        << "clock reads " << std::string(game.Text(IDC_TIME).begin(), game.Text(IDC_TIME).end());
    EXPECT_EQ(game.Dialog().m_nLevel, 0);
    EXPECT_EQ(game.Dialog().m_nCurrent, 25);
}

TEST_F(MainDialogTest, QuestionAndNumberHaveTheLargeCyrillicFont) {
    const LOGFONTW question = FontOf(game.Control(IDC_QUESTION));
    EXPECT_EQ(std::wstring(question.lfFaceName), L"Times New Roman");
    EXPECT_EQ(question.lfHeight, 20);
    EXPECT_EQ(question.lfWeight, 700);
    EXPECT_TRUE(question.lfItalic);
    EXPECT_TRUE(question.lfUnderline);
    EXPECT_EQ(question.lfCharSet, 204);
    const LOGFONTW number = FontOf(game.Control(IDC_NUMBER));
    EXPECT_EQ(std::wstring(number.lfFaceName), L"Times New Roman");
    EXPECT_FALSE(number.lfUnderline);
    EXPECT_TRUE(number.lfItalic);
}

TEST_F(MainDialogTest, SystemMenuHoldsMoveMinimizeCloseAndAbout) {
    HMENU menu = GetSystemMenu(game.Handle(), FALSE);
    std::vector<std::pair<UINT, std::wstring>> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = L"";
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        items.emplace_back(GetMenuItemID(menu, i), text);
    }
    // The platform here adds an entry of its own, with a separator; set them aside.
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].second.find(L"Wine") != std::wstring::npos) {
            items.erase(items.begin() + static_cast<long>(i));
            if (i < items.size() && items[i].first == 0) {
                items.erase(items.begin() + static_cast<long>(i));
            } else if (i > 0 && items[i - 1].first == 0) {
                items.erase(items.begin() + static_cast<long>(i - 1));
            }
            break;
        }
    }
    const std::vector<UINT> expected = {SC_MOVE, SC_MINIMIZE, SC_CLOSE, 0, IDM_ABOUTBOX};
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(items[i].first, expected[i]) << "item " << i;
    }
    EXPECT_EQ(items.back().second, L"&About Mendo...");
}

TEST_F(MainDialogTest, TheGameMenuStartsALevel) {
    HMENU bar = GetMenu(game.Handle());
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    HMENU levels = GetSubMenu(bar, 0);
    ASSERT_NE(levels, nullptr);
    EXPECT_EQ(GetMenuItemID(levels, 0), static_cast<UINT>(ID_GAME_EASY));
    EXPECT_EQ(GetMenuItemID(levels, 1), static_cast<UINT>(ID_GAME_HARD));
    EXPECT_EQ(GetMenuItemID(levels, 2), static_cast<UINT>(ID_GAME_LOGIC));
    EXPECT_EQ(GetMenuItemID(bar, 1), static_cast<UINT>(ID_HELP_ABOUT));

    game.Command(ID_GAME_HARD);
    ASSERT_TRUE(WaitUntil([&] { return game.Text(IDC_NUMBER) == L"1."; }));
    game.WaitTicks(1);
    EXPECT_EQ(game.Dialog().m_nLevel, 2);
    EXPECT_EQ(game.Text(IDC_SCORE), Wide("точки:\t0"));
    EXPECT_EQ(game.Text(IDC_QUESTION), Wide(game.Dialog().m_round[0].szQuestion));
    for (int k = 0; k < kAnswerCount; ++k) {
        EXPECT_EQ(game.Text(kAnswerIds[k]), Wide(game.Dialog().m_round[0].szAnswer[k]));
    }
    EXPECT_EQ(game.Rank(), 1) << "the gauge's range starts at 1, so position 0 reads 1";
}

TEST_F(MainDialogTest, ControlEStartsAnEasyGame) {
    game.Foreground();
    PressKey('E', true);
    ASSERT_TRUE(WaitUntil([&] { return game.Text(IDC_NUMBER) == L"1."; }));
    EXPECT_EQ(game.Dialog().m_nLevel, 1);
}

TEST_F(MainDialogTest, TheLetterKeysAnswer) {
    game.StartEasy();
    game.Foreground();
    for (int question = 1; question <= 4; ++question) {
        const int right = game.RightAnswer();
        PressKey(static_cast<WORD>('A' + right - 1));
        const std::wstring next = std::to_wstring(question + 1) + L".";
        ASSERT_TRUE(WaitUntil([&] { return game.Text(IDC_NUMBER) == next; })) << "question " << question;
    }
    game.WaitTicks(1);
    EXPECT_EQ(game.Text(IDC_SCORE), Wide("точки:\t40"));
    EXPECT_EQ(game.Rank(), 4);
}

TEST_F(MainDialogTest, AClickOnTheRightMarkerAnswers) {
    game.StartEasy();
    const int right = game.RightAnswer();
    MovePointerTo(game.Control(kMarkerIds[right - 1]));
    ASSERT_TRUE(WaitUntil([&] { return game.MarkerIcon(right) == ModuleIcon(IDI_MARK_HOT); }));
    ClickLeft();
    ASSERT_TRUE(WaitUntil([&] { return game.Text(IDC_NUMBER) == L"2."; }));
    EXPECT_EQ(game.MarkerIcon(right), ModuleIcon(IDI_MARK_HOT)) << "after the release the marker is hot";
}

TEST_F(MainDialogTest, AClickOnAnAnswerTextChoosesNothing) {
    game.StartEasy();
    MovePointerTo(game.Control(kAnswerIds[game.RightAnswer() - 1]));
    ClickLeft();
    game.WaitTicks(3);
    EXPECT_EQ(game.Text(IDC_NUMBER), L"1.");
    EXPECT_FALSE(game.BoxOpen());
}

TEST_F(MainDialogTest, TheHighlightFollowsThePointerFromMarkerToMarker) {
    MovePointerTo(game.Control(IDC_MARK_A));
    ASSERT_TRUE(WaitUntil([&] { return game.MarkerIcon(1) == ModuleIcon(IDI_MARK_HOT); }));
    MovePointerTo(game.Control(IDC_MARK_B));
    ASSERT_TRUE(WaitUntil([&] { return game.MarkerIcon(2) == ModuleIcon(IDI_MARK_HOT); }));
    EXPECT_EQ(game.MarkerIcon(1), ModuleIcon(IDI_MARK_IDLE));
    EXPECT_EQ(CTriviaDlg::s_highlighted, 2);

    MovePointerTo(game.Control(IDC_QUESTION));
    ASSERT_TRUE(WaitUntil([&] { return game.MarkerIcon(2) == ModuleIcon(IDI_MARK_IDLE); }));
    EXPECT_EQ(CTriviaDlg::s_highlighted, 0);
    CURSORINFO cursor{};
    cursor.cbSize = sizeof cursor;
    GetCursorInfo(&cursor);
    EXPECT_EQ(cursor.hCursor, LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_GAME_CURSOR)));
}

TEST_F(MainDialogTest, AWrongAnswerShowsOnlyTheRightAnswerUnderItsBoxThenTheEndScreen) {
    game.StartEasy();
    AnswerRight();
    const int right = game.RightAnswer();
    const std::wstring rightText = game.Text(kAnswerIds[right - 1]);
    game.Command(kLetterCommands[game.WrongAnswer() - 1]);

    const SeenBox box = game.WaitForBox();
    ASSERT_NE(box.hWnd, nullptr);
    EXPECT_EQ(box.text, L"WRONG!!!");
    EXPECT_EQ(box.caption, L"ERROR");
    EXPECT_TRUE(box.hasIcon);
    ASSERT_TRUE(WaitUntil([&] {
        for (int k = 1; k <= kAnswerCount; ++k) {
            if (game.Text(kAnswerIds[k - 1]) != (k == right ? rightText : L"")) {
                return false;
            }
        }
        return true;
    })) << "the clock shows the right answer alone while the box is open";
    EXPECT_EQ(game.Text(IDC_NUMBER), L"2.");
    EXPECT_EQ(game.Text(IDC_SCORE), Wide("точки:\t10"));

    game.CloseBox(box);
    ASSERT_TRUE(WaitUntil([&] { return game.Text(kAnswerIds[0]) == Wide(kStartAnswers[0]); }));
    EXPECT_EQ(game.Text(IDC_QUESTION), Wide("От меню Game изберете нивото, на което, ще играете."));
    EXPECT_EQ(game.Text(IDC_NUMBER), L"");
    EXPECT_EQ(game.Text(IDC_SCORE), L"");
    EXPECT_EQ(game.Rank(), 1);
}

TEST_F(MainDialogTest, AHelpIsRefusedWithoutPointsAndBoughtWithThem) {
    game.StartEasy();
    game.Command(ID_HINT_REMOVE);
    const SeenBox refusal = game.WaitForBox();
    ASSERT_NE(refusal.hWnd, nullptr);
    EXPECT_EQ(refusal.text, Wide("Мисля, че не си платежоспособен!"));
    EXPECT_EQ(refusal.caption, Wide(AfxGetAppName())) << "a box without a caption carries the program's name";
    EXPECT_FALSE(refusal.hasIcon);
    game.CloseBox(refusal);

    AnswerRight();
    game.Command(ID_HINT_REMOVE);
    ASSERT_TRUE(WaitUntil([&] { return game.Text(IDC_SCORE) == Wide("точки:\t0"); }));
    int blank = 0;
    for (int id : kAnswerIds) {
        blank += game.Text(id).empty();
    }
    EXPECT_EQ(blank, 1);
    EXPECT_FALSE(game.Text(kAnswerIds[game.RightAnswer() - 1]).empty());
}

TEST_F(MainDialogTest, TwentyFiveRightAnswersShowTheWinScreen) {
    game.StartEasy();
    for (int i = 0; i < kRoundLength; ++i) {
        AnswerRight();
    }
    ASSERT_TRUE(WaitUntil([&] { return game.Text(IDC_SCORE) == Wide("точки:\t250"); }));
    EXPECT_EQ(game.Text(IDC_QUESTION),
              Wide("Честито!!! Току що превъртя (играта). Пробвай се на друго ниво, ако ти стиска!!!"));
    EXPECT_EQ(game.Text(IDC_NUMBER), L"");
    for (int id : kAnswerIds) {
        EXPECT_EQ(game.Text(id), L"");
    }
    EXPECT_EQ(game.Rank(), 25);
}

TEST_F(MainDialogTest, EnterAndEscapeDoNothing) {
    game.Foreground();
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    PressKey('E', true);  // keys are taken in order: once this one has acted, so had the others
    ASSERT_TRUE(WaitUntil([&] { return game.Text(IDC_NUMBER) == L"1."; }));
    EXPECT_TRUE(game.Running());
    EXPECT_TRUE(IsWindowVisible(game.Handle()));
}

TEST_F(MainDialogTest, CloseEndsTheDialog) {
    const HWND window = game.Handle();
    EXPECT_EQ(game.Close(), IDCANCEL);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(MainDialogTest, TheClockMoves) {
    const std::wstring before = game.Text(IDC_TIME);
    EXPECT_TRUE(WaitUntil([&] { return game.Text(IDC_TIME) != before; }, std::chrono::seconds(3)));
}

}  // namespace
