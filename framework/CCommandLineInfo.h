#pragma once

#include <string>

// What the program's command line asks for. The game takes one thing from it: the file named
// first, which is also what Explorer hands the program when a file is dropped on it.
class CCommandLineInfo {
public:
    // Called with each word of the command line in turn.
    void ParseParam(const wchar_t* pszParam) {
        if (!m_bFileNamed) {
            m_strFileName = pszParam;
            m_bFileNamed = true;
        }
    }

    std::wstring m_strFileName;  // empty: no file

private:
    bool m_bFileNamed = false;
};
