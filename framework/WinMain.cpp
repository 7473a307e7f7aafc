#include <windows.h>

#include <commctrl.h>

#include "framework/CWinApp.h"

// The framework's entry: the application object already exists; run it.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return 1;
    }
    app->InitInstance();
    return app->ExitInstance();
}
