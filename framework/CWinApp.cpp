#include "framework/CWinApp.h"

#include <cwchar>
#include <string>

#include "framework/CCommandLineInfo.h"
#include "framework/CommandLineWords.h"
#include "framework/Cp1251.h"

namespace {
CWinApp* g_app = nullptr;
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* lpszAppName) {
    g_app = this;
    if (lpszAppName != nullptr) {
        m_strAppName = lpszAppName;
    } else {
        wchar_t path[MAX_PATH] = L"";
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        m_strAppName = AppNameFromPath(path);
    }
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    std::wstring word;
    for (const wchar_t* rest = NextWord(m_lpCmdLine != nullptr ? m_lpCmdLine : L"", word); rest != nullptr;
         rest = NextWord(rest, word)) {
        rCmdInfo.ParseParam(word.c_str());
    }
}

// The game has no help pages: the help command is taken and nothing is shown.
void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() {
    return g_app;
}

HINSTANCE AfxGetInstanceHandle() {
    return GetModuleHandleW(nullptr);
}

const char* AfxGetAppName() {
    return g_app != nullptr ? static_cast<const char*>(g_app->m_strAppName) : "";
}

const wchar_t* FileNameOfPath(const wchar_t* path) {
    const wchar_t* name = path;
    for (const wchar_t* separator = std::wcspbrk(path, L"\\/"); separator != nullptr;
         separator = std::wcspbrk(separator + 1, L"\\/")) {
        name = separator + 1;
    }
    return name;
}

CString AppNameFromPath(const wchar_t* path) {
    wchar_t stem[kTextCapacity] = L"";
    std::wcsncpy(stem, FileNameOfPath(path), kTextCapacity - 1);
    if (wchar_t* extension = std::wcsrchr(stem, L'.')) {
        *extension = L'\0';
    }
    return Narrow(stem);
}

CString LoadResourceString(UINT nID) {
    wchar_t text[kTextCapacity] = L"";
    LoadStringW(AfxGetInstanceHandle(), nID, text, kTextCapacity);
    return Narrow(text);
}
