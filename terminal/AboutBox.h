#pragma once

#include <string>
#include <vector>

#include "terminal/Canvas.h"
#include "terminal/Layer.h"

// Where the parts of the About box stand on the game's screen.
struct AboutLayout {
    Rect box;
    Rect webLink;
    Rect mailLink;
};

AboutLayout LayOutAbout();

// The About box: the caption block, the rules, the two links as text and the thanks line, on
// a light background.
class AboutLayer : public Layer {
public:
    // A link, or the box.
    Target TargetAt(int y, int x) const override;

private:
    void Paint() override;
};
