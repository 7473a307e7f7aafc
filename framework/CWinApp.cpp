#include "framework/CWinApp.h"

#include <cwchar>

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

CString AppNameFromPath(const wchar_t* path) {
    const wchar_t* name = path;
    for (const wchar_t* separator = std::wcspbrk(path, L"\\/"); separator != nullptr;
         separator = std::wcspbrk(separator + 1, L"\\/")) {
        name = separator + 1;
    }
    wchar_t stem[kTextCapacity] = L"";
    std::wcsncpy(stem, name, kTextCapacity - 1);
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
