#pragma once

#include <string>
#include <vector>

#include "terminal/Canvas.h"

class Frontend;

// Where the parts of the About box stand on the game's screen.
struct AboutLayout {
    Rect box;
    Rect webLink;
    Rect mailLink;
};

AboutLayout LayOutAbout();

// The About box: the caption block, the rules, the two links as text and the thanks line, on
// a light background. What the player types goes blind into its hidden code: the hint code
// shows the hint in a box of its own. Esc, Enter or a press in the box off the links closes
// it. Gives the text typed when it closed, in Windows-1251.
std::string RunAboutBox(Frontend& frontend, const std::wstring& hint);
