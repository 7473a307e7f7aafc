#pragma once

#include <panel.h>

#include <memory>

#include "terminal/Canvas.h"

// Where the game's screen stands on the terminal, which may be larger: panels are placed from it.
void SetOrigin(int y, int x);
int OriginY();
int OriginX();

// A window over a place of the game's screen, above every panel made before it, for as long as
// it lives: the panel library keeps what lies under it and shows it again when it goes.
class Panel {
public:
    explicit Panel(const Rect& place);

    Canvas Surface() const { return Canvas(m_window.get(), m_place); }

private:
    struct WindowEnd {
        void operator()(WINDOW* window) const { delwin(window); }
    };
    struct PanelEnd {
        void operator()(PANEL* panel) const { del_panel(panel); }
    };

    Rect m_place;
    std::unique_ptr<WINDOW, WindowEnd> m_window;
    std::unique_ptr<PANEL, PanelEnd> m_panel;  // goes before its window
};

// Everything drawn on the panels onto the terminal, each as far as those above leave it seen.
void ShowPanels();
