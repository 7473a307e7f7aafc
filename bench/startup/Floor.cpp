#include <windows.h>

#include <commctrl.h>

#include <cwchar>
#include <vector>

#include "engine/StartTexts.h"
#include "framework/Cp1251.h"
#include "framework/ToolBarFigures.h"
#include "res/resource.h"
#include "ui/MainWindowLook.h"

// The game's window with no framework at all: the yardstick for what it costs to start and to
// keep ticking on this platform. It sets the window up as the game does, and its clock writes
// only the texts that differ from the shown ones; it plays no game.

namespace {

const int kTextIds[] = {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C, IDC_ANSWER_D, IDC_SCORE, IDC_TIME};
constexpr int kTexts = sizeof kTextIds / sizeof kTextIds[0];
// The game's start texts, in UTF-16 as the game makes them: four answer lines, no score yet, and
// the clock.
wchar_t g_startAnswers[kAnswerCount][kTextCapacity];
const wchar_t* g_texts[kTexts] = {g_startAnswers[0], g_startAnswers[1], g_startAnswers[2], g_startAnswers[3], L"", L""};

HWND g_controls[kTexts];
wchar_t g_clock[kTextCapacity];
HBRUSH g_brush;

void SetUp(HWND dialog) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (int k = 0; k < kTexts; ++k) {
        g_controls[k] = GetDlgItem(dialog, kTextIds[k]);
        SetWindowTextW(g_controls[k], L"");
    }
    g_texts[kTexts - 1] = g_clock;
    for (int k = 0; k < kAnswerCount; ++k) {
        MultiByteToWideChar(kGameCodePage, 0, kStartAnswers[k], -1, g_startAnswers[k], kTextCapacity);
    }

    wchar_t about[kTextCapacity];
    HMENU menu = GetSystemMenu(dialog, FALSE);
    if (LoadStringW(instance, IDS_ABOUTBOX, about, kTextCapacity) > 0) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, about);
        for (UINT position : kRemovedSystemMenuPositions) {
            RemoveMenu(menu, position, MF_BYPOSITION);
        }
    }
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    const auto* bar = static_cast<const ToolBarData*>(
        LockResource(LoadResource(instance, FindResourceW(instance, MAKEINTRESOURCEW(IDR_HINT_TOOLBAR),
                                                          MAKEINTRESOURCEW(kToolBarResourceType)))));
    HWND toolBar =
        CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", kToolBarStyle | kToolBarControlStyle | kPlacedByParent, 0, 0, 0, 0,
                        dialog, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_TOOLBAR)), instance, nullptr);
    SendMessageW(toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(bar->wWidth, bar->wHeight));
    SendMessageW(toolBar, TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(bar->wWidth + kButtonExtraWidth, bar->wHeight + kButtonExtraHeight));
    COLORMAP ground = {kImageGround, GetSysColor(COLOR_BTNFACE)};
    TBADDBITMAP bitmap = {nullptr,
                          reinterpret_cast<UINT_PTR>(CreateMappedBitmap(instance, IDR_HINT_TOOLBAR, 0, &ground, 1))};
    SendMessageW(toolBar, TB_ADDBITMAP, bar->wItemCount, reinterpret_cast<LPARAM>(&bitmap));
    std::vector<TBBUTTON> buttons(bar->wItemCount);
    for (int i = 0; i < bar->wItemCount; ++i) {
        buttons[i] = {i, bar->Items()[i], TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    }
    SendMessageW(toolBar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    RECT client;
    GetClientRect(dialog, &client);
    RECT units = {0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    SetWindowPos(toolBar, HWND_BOTTOM, MulDiv(kToolBarSpot.x, units.right, kStandardBaseX),
                 MulDiv(kToolBarSpot.y, units.bottom, kStandardBaseY), client.right,
                 HIWORD(SendMessageW(toolBar, TB_GETBUTTONSIZE, 0, 0)), SWP_NOACTIVATE);

    SetTimer(dialog, kClockTimer, kClockPeriodMs, nullptr);
    SendDlgItemMessageW(dialog, IDC_RANK, PBM_SETRANGE, 0, MAKELPARAM(kRankMinimum, kRankMaximum));
    LoadIconW(instance, MAKEINTRESOURCEW(IDI_MARK_IDLE));
    LoadIconW(instance, MAKEINTRESOURCEW(IDI_MARK_HOT));

    LOGFONTA font = {};
    font.lfHeight = kFontHeight;
    font.lfWeight = kBold;
    font.lfItalic = TRUE;
    font.lfUnderline = TRUE;
    font.lfCharSet = kCyrillic;
    lstrcpyA(font.lfFaceName, kQuestionFace);
    SendDlgItemMessageW(dialog, IDC_QUESTION, WM_SETFONT, reinterpret_cast<WPARAM>(CreateFontIndirectA(&font)), FALSE);
    font.lfUnderline = FALSE;
    SendDlgItemMessageW(dialog, IDC_NUMBER, WM_SETFONT, reinterpret_cast<WPARAM>(CreateFontIndirectA(&font)), FALSE);
    wchar_t question[kTextCapacity];
    MultiByteToWideChar(kGameCodePage, 0, kStartQuestion, -1, question, kTextCapacity);
    SetDlgItemTextW(dialog, IDC_QUESTION, question);
    g_brush = CreateSolidBrush(kBackground);

    RECT area;
    RECT own;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(dialog, &own);
    SetWindowPos(dialog, nullptr, (area.right + area.left - own.right + own.left) / 2,
                 (area.bottom + area.top - own.bottom + own.top) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Tick() {
    char clock[kClockSize] = "";
    GetTimeFormatA(LOCALE_SYSTEM_DEFAULT, 0, nullptr, kClockFormat, clock, kClockSize);
    MultiByteToWideChar(CP_ACP, 0, clock, -1, g_clock, kTextCapacity);
    for (int k = 0; k < kTexts; ++k) {
        wchar_t shown[kTextCapacity];
        GetWindowTextW(g_controls[k], shown, kTextCapacity);
        if (std::wcscmp(shown, g_texts[k]) != 0) {
            SetWindowTextW(g_controls[k], g_texts[k]);
        }
    }
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: SetUp(dialog); return TRUE;
        case WM_TIMER: Tick(); return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            SetTextColor(reinterpret_cast<HDC>(wParam), kTextColour);
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(g_brush);
        case WM_CLOSE: PostQuitMessage(0); return TRUE;
        default: return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_TRIVIA_DIALOG), nullptr, &DialogProc, 0);
    HACCEL keys = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        const bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
        if (!TranslateAcceleratorW(dialog, keys, &msg) && !(key && IsDialogMessageW(dialog, &msg))) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    DestroyWindow(dialog);
    return 0;
}
