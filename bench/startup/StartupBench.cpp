#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// Starts the game and a bare dialog program built the same way, by turns in one run: the time
// until each shows its first text.

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kStarts = 7;
constexpr int kTextId = 1000;  // the game's question, the bare dialog's only text

struct Program {
    const wchar_t* file;
    const wchar_t* title;
    std::wstring firstText;
};

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

// Starts the program and waits until its window shows its first text; false if it never did.
bool Start(const Program& program, Running& running, double& milliseconds) {
    std::wstring command = L"\"" + Folder() + program.file + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const auto begin = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &running.process)) {
        return false;
    }
    const bool shown = WaitFor(
        [&] {
            running.window = FindWindowW(L"#32770", program.title);
            wchar_t text[128] = L"";
            return running.window != nullptr && GetDlgItemTextW(running.window, kTextId, text, 128) > 0 &&
                   program.firstText == text;
        },
        std::chrono::seconds(30));
    milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
    return shown;
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

}  // namespace

int main() {
    const Program game = {
        L"Mendo.exe", L"Velt's Mendo",
        L"\x041E\x0442 \x043C\x0435\x043D\x044E Game \x0438\x0437\x0431\x0435\x0440\x0435\x0442\x0435 "
        L"\x043D\x0438\x0432\x043E\x0442\x043E, \x043D\x0430 \x043A\x043E\x0435\x0442\x043E \x0449\x0435 "
        L"\x0438\x0433\x0440\x0430\x0435\x0442\x0435."};
    const Program bare = {L"bare_dialog.exe", L"Bare dialog", L"Ready"};
    const Program* programs[] = {&game, &bare};

    std::vector<double> startup[2];
    for (int i = 0; i < kStarts; ++i) {
        for (int p = 0; p < 2; ++p) {
            Running running;
            double milliseconds = 0;
            if (!Start(*programs[p], running, milliseconds)) {
                std::fwprintf(stderr, L"%ls did not show its first text\n", programs[p]->file);
                return 1;
            }
            startup[p].push_back(milliseconds);
            Stop(running);
        }
    }

    std::printf("%-14s %18s\n", "program", "start-up (median)");
    std::printf("%-14s %15.1f ms\n", "Mendo.exe", Median(startup[0]));
    std::printf("%-14s %15.1f ms\n", "bare dialog", Median(startup[1]));
    std::printf("start-up ratio %.2f over %d starts each\n", Median(startup[0]) / Median(startup[1]), kStarts);
    return 0;
}
