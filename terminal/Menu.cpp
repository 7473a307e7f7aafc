#include "terminal/Menu.h"

#include "terminal/Charset.h"
#include "terminal/MainView.h"

namespace {

constexpr int kMenuWidth = 24;
constexpr int kShortcutColumn = 14;

}  // namespace

Rect MenuLayer::DropDown() const {
    const Rect title = MainView::TitleRect(m_menu.title);
    return {title.y + 1, title.x, static_cast<int>(m_menu.items.size()) + 2, kMenuWidth};
}

Target MenuLayer::TargetAt(int y, int x) const {
    const Rect menu = DropDown();
    const int item = y - menu.y - 1;
    if (!menu.Holds(y, x) || item < 0 || item >= static_cast<int>(m_menu.items.size()) ||
        m_menu.items[item].text == nullptr) {
        return {};
    }
    return {Place::MenuItem, item};
}

void MenuLayer::Paint() {
    const Rect title = MainView::TitleRect(m_menu.title);
    AddPanel(title).PutCharacters(title.y, title.x, MainView::TitleShown(m_menu.title), Ink::MenuChosen);
    if (m_menu.items.empty()) {
        return;
    }
    const Rect menu = DropDown();
    const Canvas canvas = AddPanel(menu);
    canvas.Fill(menu, Ink::Menu);
    canvas.Frame(menu, Ink::Menu);
    for (int i = 0; i < static_cast<int>(m_menu.items.size()); ++i) {
        const char* text = m_menu.items[i].text;
        const int y = menu.y + 1 + i;
        if (text == nullptr) {
            canvas.FrameDivider(menu, y, Ink::Menu);
            continue;
        }
        const Ink ink = i == m_menu.chosen ? Ink::MenuChosen : Ink::Menu;
        canvas.PutText(y, menu.x + 1, L" " + ToWide(ItemLabel(text).c_str()), menu.columns - 2, ink);
        canvas.PutCharacters(y, menu.x + kShortcutColumn, ToWide(ItemShortcut(text).c_str()), ink);
    }
}
