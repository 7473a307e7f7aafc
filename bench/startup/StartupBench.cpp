#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwctype>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

// Starts the game and its floor (the same window with no framework, built the same way) by turns
// in one run: the time from process creation until each shows its question text, and the DLLs
// each has loaded by then. The game's program file may be given, to measure another build of it.

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kStarts = 21;
constexpr int kTextSize = 128;
constexpr int kQuestionId = 1000;
constexpr auto kSettle = std::chrono::milliseconds(500);

struct Running {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

std::wstring Folder() {
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::seconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!condition()) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Starts the program and waits until its window shows the question text; false if it never did.
bool Start(const std::wstring& file, const std::wstring& question, Running& running, double& milliseconds) {
    std::wstring command = L"\"" + file + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const auto begin = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &running.process)) {
        return false;
    }
    const bool shown = WaitFor(
        [&] {
            // Both programs show the game's own window, one at a time: the one of this process.
            HWND window = FindWindowW(L"#32770", L"Velt's Mendo");
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (window == nullptr || owner != running.process.dwProcessId || !IsWindowVisible(window)) {
                return false;
            }
            running.window = window;
            wchar_t text[kTextSize] = L"";
            GetDlgItemTextW(window, kQuestionId, text, kTextSize);
            return question == text;
        },
        std::chrono::seconds(30));
    milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
    return shown;
}

std::set<std::wstring> LoadedDlls(HANDLE process) {
    HMODULE modules[256];
    DWORD bytes = 0;
    std::set<std::wstring> names;
    if (!EnumProcessModules(process, modules, sizeof modules, &bytes)) {
        return names;
    }
    for (DWORD i = 1; i < bytes / sizeof(HMODULE); ++i) {
        wchar_t name[MAX_PATH] = L"";
        GetModuleBaseNameW(process, modules[i], name, MAX_PATH);
        std::wstring lower = name;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
        names.insert(lower);
    }
    return names;
}

void Stop(Running& running) {
    PostMessageW(running.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(running.process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(running.process.hProcess, 1);
    }
    CloseHandle(running.process.hThread);
    CloseHandle(running.process.hProcess);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PrintDifference(const char* program, const std::set<std::wstring>& own, const std::set<std::wstring>& other) {
    for (const std::wstring& name : own) {
        if (other.count(name) == 0) {
            std::printf("  only %s loads %ls\n", program, name.c_str());
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::wstring question = L"От меню Game изберете нивото, на което ще играете.";
    std::wstring game = Folder() + L"Mendo.exe";
    if (argc > 1) {
        wchar_t given[MAX_PATH] = L"";
        MultiByteToWideChar(CP_ACP, 0, argv[1], -1, given, MAX_PATH);
        game = given;
    }
    const std::wstring files[2] = {game, Folder() + L"floor_dialog.exe"};

    std::vector<double> startup[2];
    std::set<std::wstring> dlls[2];
    for (int i = 0; i < kStarts; ++i) {
        // Each program goes first in every other round, so that neither always follows the other.
        for (int turn = 0; turn < 2; ++turn) {
            const int p = i % 2 == 0 ? turn : 1 - turn;
            Running running;
            double milliseconds = 0;
            if (!Start(files[p], question, running, milliseconds)) {
                std::fwprintf(stderr, L"%ls did not show its question (window %p)\n", files[p].c_str(),
                              static_cast<void*>(running.window));
                return 1;
            }
            startup[p].push_back(milliseconds);
            if (i == 0) {
                // Some DLLs load with the first paint, just after the text shows.
                std::this_thread::sleep_for(kSettle);
                dlls[p] = LoadedDlls(running.process.hProcess);
            }
            Stop(running);
        }
    }

    std::printf("%-14s %18s %14s\n", "program", "start-up (median)", "DLLs at start");
    std::printf("%-14s %15.1f ms %14zu\n", "Mendo.exe", Median(startup[0]), dlls[0].size());
    std::printf("%-14s %15.1f ms %14zu\n", "floor", Median(startup[1]), dlls[1].size());
    std::printf("start-up ratio %.3f over %d starts each, by turns\n", Median(startup[0]) / Median(startup[1]),
                kStarts);
    if (dlls[0] == dlls[1]) {
        std::printf("the game and the floor load the same DLLs at start\n");
    } else {
        PrintDifference("the game", dlls[0], dlls[1]);
        PrintDifference("the floor", dlls[1], dlls[0]);
    }
    return 0;
}
