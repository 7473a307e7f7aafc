#include <windows.h>

#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <cwctype>
#include <set>
#include <string>

#include "GameWindow.h"
#include "PlayerInput.h"
#include "ShellRecording.h"
#include "res/resource.h"

namespace {

// Mendo.exe itself, started as the player starts it from the top of the build folder.
class Program {
public:
    Program() {
        wchar_t self[MAX_PATH] = L"";
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring folder = self;
        folder = folder.substr(0, folder.find_last_of(L"\\/") + 1);
        std::wstring command = L"\"" + folder + L"..\\..\\Mendo.exe\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &m_process)) {
            m_window = WaitForWindow(0);
        }
    }

    ~Program() {
        if (m_process.hProcess == nullptr) {
            return;
        }
        PostMessageW(m_window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(m_process.hProcess, 1);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }

    HWND Window() const { return m_window; }

    // A shown window of the program that has a control with the id (0: any shown window).
    HWND WaitForWindow(int controlId) const {
        Search search{m_process.dwProcessId, controlId, nullptr};
        WaitUntil([&] {
            EnumWindows(&Find, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        });
        return search.found;
    }

    // The DLLs loaded in the program now, by file name in lower case.
    std::set<std::wstring> Dlls() const {
        HMODULE modules[256];
        DWORD bytes = 0;
        std::set<std::wstring> names;
        EnumProcessModules(m_process.hProcess, modules, sizeof modules, &bytes);
        for (DWORD i = 0; i < bytes / sizeof(HMODULE); ++i) {
            wchar_t name[MAX_PATH] = L"";
            GetModuleBaseNameW(m_process.hProcess, modules[i], name, MAX_PATH);
            std::wstring lower = name;
            std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
            names.insert(lower);
        }
        return names;
    }

private:
    struct Search {
        DWORD processId;
        int controlId;
        HWND found;
    };

    static BOOL CALLBACK Find(HWND window, LPARAM lParam) {
        auto* search = reinterpret_cast<Search*>(lParam);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == search->processId && IsWindowVisible(window) &&
            (search->controlId == 0 || GetDlgItem(window, search->controlId) != nullptr)) {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }

    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
};

const wchar_t* const kShellDlls[] = {L"shell32.dll", L"shlwapi.dll", L"shcore.dll"};

}  // namespace

TEST(ProgramTest, TheShellLoadsAtTheFirstClickOnALinkAndNotBefore) {
    ShellRecording shell;
    Program game;
    ASSERT_NE(game.Window(), nullptr);
    const std::set<std::wstring> atStart = game.Dlls();
    EXPECT_NE(atStart.count(L"comctl32.dll"), 0u) << "the list of DLLs is read";
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
