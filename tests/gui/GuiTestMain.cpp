#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/CWinApp.h"

// The tests' own application object: like the game's, it is named after its program file.
CWinApp g_testApp;

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
