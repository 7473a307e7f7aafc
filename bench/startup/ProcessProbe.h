#pragma once

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cwctype>
#include <set>
#include <string>

// Another running program seen from outside, as the start-up bench and the tests of Mendo.exe see
// it: its shown windows and its DLLs.

namespace process_probe {

struct Search {
    DWORD processId;
    int controlId;
    HWND found;
};

inline BOOL CALLBACK Find(HWND window, LPARAM lParam) {
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

}  // namespace process_probe

// A shown window of the process that has a control with the id (0: any shown window); null if
// none. Other programs' windows of the same title are not the process's.
inline HWND ShownWindowOf(DWORD processId, int controlId) {
    process_probe::Search search{processId, controlId, nullptr};
    EnumWindows(&process_probe::Find, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The DLLs loaded in the process now, by file name in lower case, without the program's own
// file; false if they could not be read.
inline bool LoadedDlls(HANDLE process, std::set<std::wstring>& names) {
    HMODULE modules[256];
    DWORD bytes = 0;
    // bytes is what all the modules need, which may be more than the array holds.
    if (!EnumProcessModules(process, modules, sizeof modules, &bytes) || bytes > sizeof modules) {
        return false;
    }
    names.clear();
    for (DWORD i = 1; i < bytes / sizeof(HMODULE); ++i) {
        wchar_t name[MAX_PATH] = L"";
        if (GetModuleBaseNameW(process, modules[i], name, MAX_PATH) == 0) {
            return false;
        }
        std::wstring lower = name;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
        names.insert(lower);
    }
    return true;
}
