#pragma once

#include <string>
#include <vector>

#include "engine/TriviaGame.h"
#include "terminal/Canvas.h"
#include "terminal/Layer.h"

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

// A message box with its caption, its text, the stop mark if asked, and an OK button.
class MessageBoxLayer : public Layer {
public:
    MessageBoxLayer(const std::wstring& caption, BoxLayout layout);

    // The OK button, or the box.
    Target TargetAt(int y, int x) const override;

private:
    void Paint() override;

    std::wstring m_caption;
    BoxLayout m_layout;
};
