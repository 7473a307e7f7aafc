#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "GameWindow.h"
#include "PlayerInput.h"
#include "ShellRecording.h"
#include "bench/startup/ProcessProbe.h"
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
        HWND found = nullptr;
        WaitUntil([&] {
            found = ShownWindowOf(m_process.dwProcessId, controlId);
            return found != nullptr;
        });
        return found;
    }

    // The DLLs loaded in the program now, by file name in lower case.
    std::set<std::wstring> Dlls() const {
        std::set<std::wstring> names;
        EXPECT_TRUE(LoadedDlls(m_process.hProcess, names)) << "the list of DLLs is read";
        return names;
    }

private:
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
