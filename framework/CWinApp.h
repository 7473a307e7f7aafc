#pragma once

#include "framework/CCmdTarget.h"
#include "framework/CString.h"

class CCommandLineInfo;
class CWnd;

// The program itself: exactly one object, run by the framework's entry point.
class CWinApp : public CCmdTarget {
public:
    // Without a name of its own, the application is called after its program file.
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Hands each word of the command line after the program's name to the info, in turn.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);

    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;
    // The command line after the program's name, in UTF-16: a file's name may hold any character.
    const wchar_t* m_lpCmdLine = nullptr;

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

// A file's name without its folder: "C:\Games\quiz.txt" is "quiz.txt".
const wchar_t* FileNameOfPath(const wchar_t* path);
