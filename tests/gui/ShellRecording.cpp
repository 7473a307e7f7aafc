#include "ShellRecording.h"

#include <windows.h>

#include <cstdio>

#include "GameWindow.h"

ShellRecording::ShellRecording() {
    wchar_t folder[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    m_record = std::wstring(folder) + L"mendo-shell-record.txt";
    DeleteFileW(m_record.c_str());
    SetEnvironmentVariableW(L"MENDO_SHELL_RECORD", m_record.c_str());
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring recorder = self;
    recorder = recorder.substr(0, recorder.find_last_of(L"\\/") + 1) + L"shell_recorder.exe";
    const std::wstring command = L"\"" + recorder + L"\" %1";
    for (const wchar_t* scheme : {L"http", L"mailto"}) {
        const std::wstring key = std::wstring(scheme) + L"\\shell\\open\\command";
        wchar_t before[1024] = L"";
        DWORD size = sizeof before;
        RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, before, &size);
        m_handlers.emplace_back(key, before);
        RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, command.c_str(),
                        static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }
}

// The shell's own handlers come back, so that nothing else opens the recorder.
ShellRecording::~ShellRecording() {
    for (const auto& [key, handler] : m_handlers) {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, handler.c_str(),
                        static_cast<DWORD>((handler.size() + 1) * sizeof(wchar_t)));
    }
}

std::wstring ShellRecording::Opened() {
    std::wstring text;
    WaitUntil(
        [&] {
            FILE* record = _wfopen(m_record.c_str(), L"r, ccs=UTF-8");
            if (record == nullptr) {
                return false;
            }
            wchar_t line[512] = L"";
            const bool read = std::fgetws(line, 512, record) != nullptr;
            std::fclose(record);
            text = line;
            return read && !text.empty();
        },
        std::chrono::seconds(10));
    DeleteFileW(m_record.c_str());
    return text;
}
