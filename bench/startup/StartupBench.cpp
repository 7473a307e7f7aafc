#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "ProcessProbe.h"
#include "engine/StartTexts.h"
#include "framework/Cp1251.h"
#include "res/resource.h"

// Starts the game and its floor (the same window with no framework, built the same way) by turns
// in one run: the time from process creation until each shows its question text, and the DLLs
// each has loaded by then. The game's program file may be given, to measure another build of it.

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kStarts = 21;
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
bool Start(const std::wstring& file, Running& running, double& milliseconds) {
    std::wstring command = L"\"" + file + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const auto begin = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &running.process)) {
        return false;
    }
    wchar_t question[kTextCapacity] = L"";
    MultiByteToWideChar(kGameCodePage, 0, kStartQuestion, -1, question, kTextCapacity);
    const bool shown = WaitFor(
        [&] {
            running.window = ShownWindowOf(running.process.dwProcessId, IDC_QUESTION);
            wchar_t text[kTextCapacity] = L"";
            return running.window != nullptr &&
                   GetDlgItemTextW(running.window, IDC_QUESTION, text, kTextCapacity) > 0 &&
                   std::wcscmp(text, question) == 0;
        },
        std::chrono::seconds(30));
    milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
    return shown;
}

void Stop(Running& running) {
    if (running.process.hProcess == nullptr) {
        return;
    }
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
    std::wstring game = Folder() + L"Mendo.exe";
    if (argc > 1) {
        wchar_t given[MAX_PATH] = L"";
        MultiByteToWideChar(CP_ACP, 0, argv[1], -1, given, MAX_PATH);
        game = given;
    }
    const std::wstring files[2] = {game, Folder() + L"floor_dialog.exe"};

    std::vector<double> startup[2];
    std::set<std::wstring> dlls[2];
    bool dllsRead[2] = {false, false};
    for (int i = 0; i < kStarts; ++i) {
        // Each program goes first in every other round, so that neither always follows the other.
        for (int turn = 0; turn < 2; ++turn) {
            const int p = i % 2 == 0 ? turn : 1 - turn;
            Running running;
            double milliseconds = 0;
            if (!Start(files[p], running, milliseconds)) {
                std::fwprintf(stderr, L"%ls did not show its question (window %p)\n", files[p].c_str(),
                              static_cast<void*>(running.window));
                Stop(running);
                return 1;
            }
            startup[p].push_back(milliseconds);
            if (i == 0) {
                // Some DLLs load with the first paint, just after the text shows.
                std::this_thread::sleep_for(kSettle);
                dllsRead[p] = LoadedDlls(running.process.hProcess, dlls[p]);
            }
            Stop(running);
        }
    }

    std::printf("%-14s %18s %14s\n", "program", "start-up (median)", "DLLs at start");
    std::printf("%-14s %15.1f ms %14zu\n", "Mendo.exe", Median(startup[0]), dlls[0].size());
    std::printf("%-14s %15.1f ms %14zu\n", "floor", Median(startup[1]), dlls[1].size());
    std::printf("start-up ratio %.3f over %d starts each, by turns\n", Median(startup[0]) / Median(startup[1]),
                kStarts);
    if (!dllsRead[0] || !dllsRead[1]) {
        std::fprintf(stderr, "could not read the DLLs of %s\n", !dllsRead[0] ? "the game" : "the floor");
        return 1;
    }
    if (dlls[0] == dlls[1]) {
        std::printf("the game and the floor load the same DLLs at start\n");
    } else {
        PrintDifference("the game", dlls[0], dlls[1]);
        PrintDifference("the floor", dlls[1], dlls[0]);
    }
    return 0;
}
