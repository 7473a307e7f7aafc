#include "terminal/Panel.h"

namespace {

int g_originY = 0;
int g_originX = 0;

}  // namespace

void SetOrigin(int y, int x) {
    g_originY = y;
    g_originX = x;
}

int OriginY() {
    return g_originY;
}

int OriginX() {
    return g_originX;
}

Panel::Panel(const Rect& place)
    : m_place(place),
      m_window(newwin(place.lines, place.columns, g_originY + place.y, g_originX + place.x)),
      m_panel(new_panel(m_window.get())) {}

void ShowPanels() {
    update_panels();
    doupdate();
}
