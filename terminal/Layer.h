#pragma once

#include <vector>

#include "play/Target.h"
#include "terminal/Panel.h"

// A menu or box over the main screen, on panels of its own: drawn when it shows, when it changes
// and when the terminal's size changes, never for what changes under it.
class Layer {
public:
    virtual ~Layer() = default;

    // Makes the layer's panels anew at their places, above every other, and draws on them.
    void Draw() {
        m_panels.clear();
        Paint();
    }
    // Takes the layer off the screen.
    void Remove() { m_panels.clear(); }

    // What of the layer lies under a cell; nothing where it has nothing.
    virtual Target TargetAt(int y, int x) const = 0;

protected:
    virtual void Paint() = 0;

    // A new panel at the place, above the others.
    Canvas AddPanel(const Rect& place) {
        m_panels.emplace_back(place);
        return m_panels.back().Surface();
    }

private:
    std::vector<Panel> m_panels;
};
