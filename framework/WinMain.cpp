#include <windows.h>

#include <commctrl.h>

#include "framework/CWinApp.h"
#include "framework/CommandLineWords.h"

// The framework's entry: the application object already exists; run it. The command line is
// taken in UTF-16, as the one this entry is given has only the characters of the code page.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return 1;
    }
    app->m_lpCmdLine = AfterProgramName(GetCommandLineW());
    app->InitInstance();
    return app->ExitInstance();
}
