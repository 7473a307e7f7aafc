#pragma once

#include "framework/CCmdTarget.h"
#include "framework/CString.h"

class CWnd;

// The program itself: exactly one object, run by the framework's entry point.
class CWinApp : public CCmdTarget {
public:
    // Without a name of its own, the application is called after its program file.
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;

    void OnHelp();

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
const char* AfxGetAppName();

// A string of the program's string table, empty if there is none.
CString LoadResourceString(UINT nID);

// The program file's name without folder and extension: "C:\Games\Mendo.exe" is "Mendo".
CString AppNameFromPath(const wchar_t* path);
