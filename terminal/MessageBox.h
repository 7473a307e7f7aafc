#pragma once

#include <string>
#include <vector>

#include "engine/TriviaGame.h"
#include "terminal/Canvas.h"

class Frontend;

// Where the parts of a message box stand on the game's screen.
struct BoxLayout {
    Rect box;
    std::vector<std::wstring> lines;
    Rect stopMark;  // no columns without the stop mark
    int textColumn;
    Rect okButton;
};

BoxLayout LayOutBox(const std::wstring& text, const std::wstring& caption, BoxIcon icon);

// A modal box centred over the screen, with its caption, its text, the stop mark if asked,
// and an OK button; Enter, Esc, Space or a release over OK closes it. The clock goes on.
void RunMessageBox(Frontend& frontend, const std::wstring& text, const std::wstring& caption, BoxIcon icon);
