#include <windows.h>

#include <cstdio>
#include <cwchar>

// Stands in for the browser and the mail program: writes down what the shell asked it to open.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    wchar_t path[MAX_PATH] = L"";
    if (GetEnvironmentVariableW(L"MENDO_SHELL_RECORD", path, MAX_PATH) == 0) {
        return 1;
    }
    FILE* record = _wfopen(path, L"w, ccs=UTF-8");
    if (record == nullptr) {
        return 1;
    }
    std::fputws(commandLine, record);
    std::fclose(record);
    return 0;
}
