#include "framework/CWinApp.h"

#include <cwchar>
#include <string>

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
    std::wstring name = path;
    const std::size_t folder = name.find_last_of(L"\\/");
    if (folder != std::wstring::npos) {
        name.erase(0, folder + 1);
    }
    const std::size_t extension = name.rfind(L'.');
    if (extension != std::wstring::npos) {
        name.erase(extension);
    }
    return Narrow(name.c_str());
}

CString LoadResourceString(UINT nID) {
    const wchar_t* text = nullptr;
    // With no buffer, LoadString hands out the resource's own text, which is not terminated.
    const int length = LoadStringW(AfxGetInstanceHandle(), nID, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) {
        return CString();
    }
    return Narrow(std::wstring(text, static_cast<std::size_t>(length)).c_str());
}
