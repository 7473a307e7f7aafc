#pragma once

#include <windows.h>

#include <set>
#include <string>

#include "GameWindow.h"

// Mendo.exe itself, started as the player starts it from the top of the build folder, with the
// arguments after its name as Explorer writes them.
class MendoProgram {
public:
    explicit MendoProgram(const std::wstring& arguments = L"");
    ~MendoProgram();
    MendoProgram(const MendoProgram&) = delete;
    MendoProgram& operator=(const MendoProgram&) = delete;

    // The game's window, waiting for it to show; null if it did not.
    HWND Window();

    // A shown window of the program that has a control with the id (0: any shown window).
    HWND WaitForWindow(int controlId) const;
    // The program's message box now shown, waiting for it to come; hWnd is null if none came.
    SeenBox WaitForBox(std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

    // The DLLs loaded in the program now, by file name in lower case.
    std::set<std::wstring> Dlls() const;

private:
    PROCESS_INFORMATION m_process{};
    HWND m_window = nullptr;
};
