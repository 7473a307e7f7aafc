#include "MendoProgram.h"

#include <gtest/gtest.h>

#include "bench/startup/ProcessProbe.h"
#include "res/resource.h"

MendoProgram::MendoProgram(const std::wstring& arguments) {
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder = self;
    folder = folder.substr(0, folder.find_last_of(L"\\/") + 1);
    std::wstring command = L"\"" + folder + L"..\\..\\Mendo.exe\"";
    if (!arguments.empty()) {
        command += L" " + arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &m_process)) {
        WaitForWindow(0);
    }
}

MendoProgram::~MendoProgram() {
    if (m_process.hProcess == nullptr) {
        return;
    }
    // A box that a test left open goes first: the window shows only after it.
    for (SeenBox box = WaitForBox(std::chrono::milliseconds(0)); box.hWnd != nullptr;
         box = WaitForBox(std::chrono::milliseconds(0))) {
        PostMessageW(box.hWnd, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !IsWindow(box.hWnd); });
    }
    PostMessageW(Window(), WM_CLOSE, 0, 0);
    if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(m_process.hProcess, 1);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

HWND MendoProgram::Window() {
    if (m_window == nullptr) {
        m_window = WaitForWindow(IDC_QUESTION);
    }
    return m_window;
}

HWND MendoProgram::WaitForWindow(int controlId) const {
    HWND found = nullptr;
    WaitUntil([&] {
        found = ShownWindowOf(m_process.dwProcessId, controlId);
        return found != nullptr;
    });
    return found;
}

namespace {

struct BoxSearch {
    DWORD processId;
    HWND found;
};

// A message box is a dialog with its text in a static of id 0xFFFF; the game's window and the
// About box have statics of that id too, and controls of their own.
BOOL CALLBACK FindBox(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    if (owner == search->processId && IsWindowVisible(window) && std::wstring(className) == L"#32770" &&
        GetDlgItem(window, 0xFFFF) != nullptr && GetDlgItem(window, IDC_QUESTION) == nullptr &&
        GetDlgItem(window, IDC_SECRET) == nullptr) {
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

SeenBox MendoProgram::WaitForBox(std::chrono::milliseconds timeout) const {
    BoxSearch search{m_process.dwProcessId, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeout);
    SeenBox box;
    box.hWnd = search.found;
    if (box.hWnd != nullptr) {
        wchar_t text[4096] = L"";
        GetWindowTextW(GetDlgItem(box.hWnd, 0xFFFF), text, 4096);
        box.text = text;
        box.caption = TextOf(box.hWnd);
        EnumChildWindows(box.hWnd, &FindIcon, reinterpret_cast<LPARAM>(&box.hasIcon));
    }
    return box;
}

std::set<std::wstring> MendoProgram::Dlls() const {
    std::set<std::wstring> names;
    EXPECT_TRUE(LoadedDlls(m_process.hProcess, names)) << "the list of DLLs is read";
    return names;
}
