#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "ui/TriviaDlg.h"

// Waits until the condition holds, looking every few milliseconds; false after the timeout.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(5));

std::wstring TextOf(HWND window);
std::wstring Wide(const char* windows1251);

// A message box as the player sees it.
struct SeenBox {
    HWND hWnd = nullptr;
    std::wstring text;
    std::wstring caption;
    bool hasIcon = false;
};

// Whether the window is a message box on the screen.
bool IsShownMessageBox(HWND window);
// The box as the player sees it; null shows nothing.
SeenBox SeenBoxOf(HWND window);

// Counts the WM_SETTEXT that each window of a thread receives while it lives.
class SetTextCounter {
public:
    explicit SetTextCounter(HWND window);
    ~SetTextCounter();
    int Count(HWND window) const;

private:
    HHOOK m_hook;
};

// The real game window, run by its own thread as the program runs it, and watched from the test.
class GameWindow {
public:
    GameWindow();
    ~GameWindow();

    CTriviaDlg& Dialog() { return *m_dialog; }
    HWND Handle() const { return m_hWnd; }
    HWND Control(int id) const { return GetDlgItem(m_hWnd, id); }
    std::wstring Text(int id) const { return TextOf(Control(id)); }
    int Rank() const;
    HICON MarkerIcon(int nAnswer) const;

    // Brings the window to the front, where the keys go.
    void Foreground() const;

    // Commands as the menu, the toolbar and the accelerators send them; they return at once.
    void Command(UINT id) const;
    // Waits for the given number of clock ticks to have passed.
    void WaitTicks(int ticks) const;

    // The message box of the game now open, waiting for it to come; hWnd is null if none came.
    SeenBox WaitForBox(std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;
    bool BoxOpen() const;
    // The About box now open, waiting for it to come; null if none came.
    HWND WaitForAbout(std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;
    void CloseBox(const SeenBox& box) const;

    // Starts a game of the level and waits for question 1.
    void StartEasy();
    // The right answer of the pending question, and one that is wrong and still shown.
    int RightAnswer() const;
    int WrongAnswer() const;

    // Ends the dialog with WM_CLOSE and waits for DoModal to return; its result.
    INT_PTR Close();
    bool Running() const { return !m_finished; }

    int Ticks() const { return m_ticks; }
    // What the window's thread took from the keyboard and where keys go now, for a test to say
    // why keys it typed did nothing.
    std::string KeysSeen() const;

private:
    std::thread m_thread;
    CTriviaDlg* m_dialog = nullptr;
    HWND m_hWnd = nullptr;
    DWORD m_threadId = 0;
    HHOOK m_messageHook = nullptr;
    std::atomic<bool> m_finished{false};
    std::atomic<INT_PTR> m_result{0};
    static std::atomic<int> m_ticks;
    static std::atomic<int> m_keyDowns;
    static std::atomic<int> m_keyDownsWithControl;
    static LRESULT CALLBACK CountMessages(int code, WPARAM wParam, LPARAM lParam);
};
