#pragma once

#include "play/GameSession.h"
#include "terminal/Layer.h"

// The open menu: its title lit on the menu bar, and its items dropped down below it with the
// chosen one lit, each with its key on the right.
class MenuLayer : public Layer {
public:
    explicit MenuLayer(const OpenMenu& menu) : m_menu(menu) {}

    // An item under the cell.
    Target TargetAt(int y, int x) const override;

private:
    void Paint() override;
    Rect DropDown() const;

    OpenMenu m_menu;
};
