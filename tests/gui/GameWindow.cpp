#include "GameWindow.h"

#include <commctrl.h>

#include <cstdio>

#include "PlayerInput.h"
#include "framework/CWinApp.h"
#include "framework/Cp1251.h"
#include "res/resource.h"

std::atomic<int> GameWindow::m_ticks{0};
std::atomic<int> GameWindow::m_keyDowns{0};
std::atomic<int> GameWindow::m_keyDownsWithControl{0};

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::wstring TextOf(HWND window) {
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring Wide(const char* windows1251) {
    return Widen(windows1251).c_str();
}

LRESULT CALLBACK GameWindow::CountMessages(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_TIMER) {
        ++m_ticks;
    }
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_KEYDOWN && message->wParam != VK_CONTROL) {
        ++m_keyDowns;
        if (GetKeyState(VK_CONTROL) < 0) {
            ++m_keyDownsWithControl;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

GameWindow::GameWindow() {
    // The tests compare marker icons with the module's shared ones. Two threads loading the same
    // icon for the first time at once may get two handles, so the test thread loads them first.
    for (int icon : {IDI_MARK_IDLE, IDI_MARK_HOT, IDI_MARK_PRESSED}) {
        LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon));
    }
    m_keyDowns = 0;
    m_keyDownsWithControl = 0;
    std::atomic<CTriviaDlg*> started{nullptr};
    m_thread = std::thread([this, &started] {
        CTriviaDlg dialog;
        AfxGetApp()->m_pMainWnd = &dialog;
        m_threadId = GetCurrentThreadId();
        m_messageHook = SetWindowsHookExW(WH_GETMESSAGE, &GameWindow::CountMessages, nullptr, m_threadId);
        started = &dialog;
        m_result = dialog.DoModal();
        UnhookWindowsHookEx(m_messageHook);
        m_finished = true;
        // The test reads the object until it has seen the end.
        WaitUntil([this] { return m_dialog == nullptr; }, std::chrono::seconds(30));
    });
    WaitUntil([&] { return started.load() != nullptr && IsWindow(started.load()->m_hWnd); });
    m_dialog = started;
    m_hWnd = m_dialog->m_hWnd;
    const int ticks = m_ticks;
    WaitUntil([&] { return m_ticks > ticks; });
    // The player's window is the active one, so that its first click is not spent on activation,
    // and the pointer starts away from the markers, where an earlier test may have left it.
    Foreground();
    MovePointerTo(Control(IDC_QUESTION));
}

GameWindow::~GameWindow() {
    if (Running()) {
        Close();
    }
    m_dialog = nullptr;
    m_thread.join();
}

INT_PTR GameWindow::Close() {
    // A test that failed may leave a box or the About box open: the window closes only once
    // they are gone.
    for (int attempt = 0; attempt < 3 && !m_finished; ++attempt) {
        for (SeenBox box = WaitForBox(std::chrono::milliseconds(0)); box.hWnd != nullptr;
             box = WaitForBox(std::chrono::milliseconds(0))) {
            CloseBox(box);
        }
        if (HWND about = WaitForAbout(std::chrono::milliseconds(0))) {
            PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
            WaitUntil([&] { return !IsWindow(about); });
        }
        PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
        WaitUntil([this] { return m_finished.load(); });
    }
    return m_result;
}

int GameWindow::Rank() const {
    return static_cast<int>(SendMessageW(Control(IDC_RANK), PBM_GETPOS, 0, 0));
}

HICON GameWindow::MarkerIcon(int nAnswer) const {
    const int ids[] = {IDC_MARK_A, IDC_MARK_B, IDC_MARK_C, IDC_MARK_D};
    return reinterpret_cast<HICON>(SendMessageW(Control(ids[nAnswer - 1]), STM_GETICON, 0, 0));
}

void GameWindow::Foreground() const {
    SetForegroundWindow(m_hWnd);
    WaitUntil([this] { return GetForegroundWindow() == m_hWnd; });
}

namespace {
std::map<HWND, int> g_setTexts;

LRESULT CALLBACK CountSetText(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_SETTEXT) {
        ++g_setTexts[message->hwnd];
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

SetTextCounter::SetTextCounter(HWND window)
    : m_hook(SetWindowsHookExW(WH_CALLWNDPROC, &CountSetText, nullptr, GetWindowThreadProcessId(window, nullptr))) {
    g_setTexts.clear();
}

SetTextCounter::~SetTextCounter() {
    UnhookWindowsHookEx(m_hook);
}

int SetTextCounter::Count(HWND window) const {
    const auto found = g_setTexts.find(window);
    return found != g_setTexts.end() ? found->second : 0;
}

void GameWindow::Command(UINT id) const {
    PostMessageW(m_hWnd, WM_COMMAND, id, 0);
}

void GameWindow::WaitTicks(int ticks) const {
    const int start = m_ticks;
    WaitUntil([&] { return m_ticks >= start + ticks; });
}

std::string GameWindow::KeysSeen() const {
    GUITHREADINFO window{};
    window.cbSize = sizeof window;
    GetGUIThreadInfo(m_threadId, &window);
    char seen[200];
    std::snprintf(seen, sizeof seen,
                  "the window's thread took %d key presses, %d of them with Ctrl held; the foreground window "
                  "is %p, the game's %p, its focus %p",
                  m_keyDowns.load(), m_keyDownsWithControl.load(), static_cast<void*>(GetForegroundWindow()),
                  static_cast<void*>(m_hWnd), static_cast<void*>(window.hwndFocus));
    return seen;
}

namespace {

struct BoxSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    if (window != search->owner && IsShownMessageBox(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM lParam) {
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && SendMessageW(child, STM_GETICON, 0, 0) != 0) {
        *reinterpret_cast<bool*>(lParam) = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

// A message box is a dialog with its text in a static of id 0xFFFF.
bool IsShownMessageBox(HWND window) {
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    return IsWindowVisible(window) && std::wstring(className) == L"#32770" && GetDlgItem(window, 0xFFFF) != nullptr;
}

SeenBox SeenBoxOf(HWND window) {
    SeenBox box;
    box.hWnd = window;
    if (window != nullptr) {
        const HWND text = GetDlgItem(window, 0xFFFF);
        box.text.resize(static_cast<std::size_t>(GetWindowTextLengthW(text)) + 1);
        box.text.resize(
            static_cast<std::size_t>(GetWindowTextW(text, box.text.data(), static_cast<int>(box.text.size()))));
        box.caption = TextOf(window);
        EnumChildWindows(window, &FindIcon, reinterpret_cast<LPARAM>(&box.hasIcon));
    }
    return box;
}

SeenBox GameWindow::WaitForBox(std::chrono::milliseconds timeout) const {
    BoxSearch search{m_hWnd, nullptr};
    WaitUntil(
        [&] {
            EnumThreadWindows(m_threadId, &FindBox, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeout);
    return SeenBoxOf(search.found);
}

namespace {
BOOL CALLBACK FindAbout(HWND window, LPARAM lParam) {
    if (IsWindowVisible(window) && GetDlgItem(window, IDC_SECRET) != nullptr) {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND GameWindow::WaitForAbout(std::chrono::milliseconds timeout) const {
    HWND about = nullptr;
    WaitUntil(
        [&] {
            EnumThreadWindows(m_threadId, &FindAbout, reinterpret_cast<LPARAM>(&about));
            return about != nullptr;
        },
        timeout);
    return about;
}

bool GameWindow::BoxOpen() const {
    BoxSearch search{m_hWnd, nullptr};
    EnumThreadWindows(m_threadId, &FindBox, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
}

void GameWindow::CloseBox(const SeenBox& box) const {
    PostMessageW(box.hWnd, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(box.hWnd); });
}

void GameWindow::StartEasy() {
    Command(ID_GAME_EASY);
    WaitUntil([this] { return Text(IDC_NUMBER) == L"1." && Text(IDC_SCORE) == Wide("точки:\t0"); });
}

int GameWindow::RightAnswer() const {
    const int current = m_dialog->m_nCurrent;
    return current < kRoundLength ? m_dialog->m_round[current].nCorrect : 0;
}

int GameWindow::WrongAnswer() const {
    const int ids[] = {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C, IDC_ANSWER_D};
    for (int k = 1; k <= kAnswerCount; ++k) {
        if (k != RightAnswer() && !Text(ids[k - 1]).empty()) {
            return k;
        }
    }
    return 0;
}
