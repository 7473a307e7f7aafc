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
    int textRow;
    int textColumn;
    Rect okButton;
};

// The box centred on the screen's height, and across the area where it fits in it, across the
// whole screen where it does not: as near the middle as leaves no label of the gauge's scale cut,
// each covered whole or not at all.
BoxLayout LayOutBox(const std::wstring& text, const std::wstring& caption, BoxIcon icon, const Rect& area);

// A modal box with its caption, its text, the stop mark if asked, and an OK button; Enter, Esc,
// Space or a click on OK closes it. The clock goes on.
void RunMessageBox(Frontend& frontend, const std::wstring& text, const std::wstring& caption, BoxIcon icon,
                   const Rect& area);
