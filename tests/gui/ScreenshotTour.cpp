#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "GameWindow.h"
#include "PlayerInput.h"
#include "framework/CWinApp.h"
#include "res/resource.h"

// Plays the screens of the README's pictures one after the other. At each it leaves a file
// "step-N" in the folder named on its command line and waits for "go-N" before going on, so
// that a script outside can take the picture.

CWinApp g_app("Mendo");

namespace {
std::string g_folder;

void Step(int n) {
    const std::string step = g_folder + "\\step-" + std::to_string(n);
    const std::string go = g_folder + "\\go-" + std::to_string(n);
    std::fclose(std::fopen(step.c_str(), "w"));
    WaitUntil([&] { return GetFileAttributesA(go.c_str()) != INVALID_FILE_ATTRIBUTES; }, std::chrono::seconds(60));
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return 1;
    }
    g_folder = argv[1];
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    const UINT letters[] = {IDC_LETTER_A, IDC_LETTER_B, IDC_LETTER_C, IDC_LETTER_D};
    GameWindow game;
    game.WaitTicks(3);
    Step(1);  // start screen
    game.StartEasy();
    for (int i = 0; i < 3; ++i) {
        game.Command(letters[game.RightAnswer() - 1]);
        game.WaitTicks(2);
    }
    MovePointerTo(game.Control(IDC_MARK_B));
    game.WaitTicks(3);
    Step(2);  // a question
    game.Command(ID_HINT_REMOVE);
    game.WaitTicks(3);
    Step(3);  // a help used
    game.Command(letters[game.WrongAnswer() - 1]);
    SeenBox box = game.WaitForBox();
    game.WaitTicks(3);
    Step(4);  // WRONG!!!
    game.CloseBox(box);
    game.Command(ID_HELP_ABOUT);
    HWND about = game.WaitForAbout();
    MovePointerTo(GetDlgItem(about, IDC_WEB_LINK));
    game.WaitTicks(3);
    Step(5);  // About
    PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
    game.Close();
    return 0;
}
