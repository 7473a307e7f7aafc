#pragma once

#include <string>
#include <utility>
#include <vector>

// While it lives, the shell hands web and mail addresses to shell_recorder.exe instead of a
// browser or a mail program; the processes started from here on inherit where it writes them.
class ShellRecording {
public:
    ShellRecording();
    ~ShellRecording();
    ShellRecording(const ShellRecording&) = delete;
    ShellRecording& operator=(const ShellRecording&) = delete;

    // The command line that the shell opened last, waiting for it to come; empty if none came.
    std::wstring Opened();

private:
    std::wstring m_record;
    std::vector<std::pair<std::wstring, std::wstring>> m_handlers;
};
