#include "terminal/Menu.h"

#include <curses.h>

#include <cwctype>
#include <iterator>
#include <string>
#include <vector>

#include "terminal/Canvas.h"
#include "terminal/Frontend.h"
#include "terminal/MainView.h"

namespace {

struct MenuItem {
    const wchar_t* text;  // null for a separator
    const wchar_t* shortcut;
    wchar_t letter;
    Command command;
};

const MenuItem kWindowItems[] = {
    {L"Close", L"", L'c', Command::Close},
    {nullptr, nullptr, 0, Command::None},
    {L"About Mendo...", L"", L'a', Command::WindowAbout},
};
const MenuItem kGameItems[] = {
    {L"Easy", L"Ctrl+E", L'e', Command::Easy},
    {L"Hard", L"Ctrl+H", L'h', Command::Hard},
    {L"Logic", L"Ctrl+L", L'l', Command::Logic},
};

constexpr int kTitleCount = 3;
constexpr int kMenuWidth = 24;
constexpr int kShortcutColumn = 14;

constexpr Spot kTitleSpots[kTitleCount] = {Spot::WindowMenu, Spot::GameMenu, Spot::AboutMenu};

std::vector<MenuItem> ItemsOf(MenuTitle title) {
    switch (title) {
        case MenuTitle::Window: return {std::begin(kWindowItems), std::end(kWindowItems)};
        case MenuTitle::Game: return {std::begin(kGameItems), std::end(kGameItems)};
        case MenuTitle::About: break;
    }
    return {};
}

class MenuBar : public Layer {
public:
    explicit MenuBar(MenuTitle title) { Open(title); }

    void Open(MenuTitle title) {
        m_title = title;
        m_items = ItemsOf(title);
        m_chosen = 0;
    }

    MenuTitle Title() const { return m_title; }
    const std::vector<MenuItem>& Items() const { return m_items; }
    int Chosen() const { return m_chosen; }

    // The chosen item moves by the step, over separators.
    void Move(int step) {
        if (m_items.empty()) {
            return;
        }
        const int count = static_cast<int>(m_items.size());
        do {
            m_chosen = (m_chosen + step + count) % count;
        } while (m_items[m_chosen].text == nullptr);
    }

    Rect DropDown() const {
        const Rect title = MainView::SpotRect(kTitleSpots[static_cast<int>(m_title)]);
        return {title.y + 1, title.x, static_cast<int>(m_items.size()) + 2, kMenuWidth};
    }

    // The item at a cell of the drop-down, or -1.
    int ItemAt(int y, int x) const {
        const Rect menu = DropDown();
        if (m_items.empty() || !menu.Holds(y, x)) {
            return -1;
        }
        const int item = y - menu.y - 1;
        return item >= 0 && item < static_cast<int>(m_items.size()) && m_items[item].text != nullptr ? item : -1;
    }

private:
    void Paint() override {
        const Spot spot = kTitleSpots[static_cast<int>(m_title)];
        const Rect title = MainView::SpotRect(spot);
        AddPanel(title).PutCharacters(title.y, title.x, MainView::SpotText(spot), Ink::MenuChosen);
        if (m_items.empty()) {
            return;
        }
        const Rect menu = DropDown();
        const Canvas canvas = AddPanel(menu);
        canvas.Fill(menu, Ink::Menu);
        canvas.Frame(menu, Ink::Menu);
        for (int i = 0; i < static_cast<int>(m_items.size()); ++i) {
            const MenuItem& item = m_items[i];
            const int y = menu.y + 1 + i;
            if (item.text == nullptr) {
                canvas.FrameDivider(menu, y, Ink::Menu);
                continue;
            }
            const Ink ink = i == m_chosen ? Ink::MenuChosen : Ink::Menu;
            canvas.PutText(y, menu.x + 1, std::wstring(L" ") + item.text, menu.columns - 2, ink);
            canvas.PutCharacters(y, menu.x + kShortcutColumn, item.shortcut, ink);
        }
    }

    MenuTitle m_title = MenuTitle::Game;
    std::vector<MenuItem> m_items;
    int m_chosen = 0;
};

MenuTitle Neighbour(MenuTitle title, int step) {
    return static_cast<MenuTitle>((static_cast<int>(title) + step + kTitleCount) % kTitleCount);
}

// The title under a cell of the menu bar, if any.
bool TitleAt(int y, int x, MenuTitle& title) {
    for (int i = 0; i < kTitleCount; ++i) {
        if (MainView::SpotRect(kTitleSpots[i]).Holds(y, x)) {
            title = static_cast<MenuTitle>(i);
            return true;
        }
    }
    return false;
}

Command ChosenCommand(const MenuBar& bar) {
    return bar.Title() == MenuTitle::About ? Command::About : bar.Items()[bar.Chosen()].command;
}

}  // namespace

Command RunMenuBar(Frontend& frontend, MenuTitle start) {
    MenuBar bar(start);
    LayerShowing showing(frontend, bar);
    while (true) {
        const Event event = frontend.WaitForInput();
        if (event.kind == EventKind::Quit) {
            return Command::None;
        }
        if (event.kind == EventKind::Mouse) {
            MenuTitle title;
            const int item = bar.ItemAt(event.y, event.x);
            if (event.mouse == MouseAction::Release) {
                if (item >= 0) {
                    return bar.Items()[item].command;
                }
                if (ClickedOn(event, MainView::SpotRect(Spot::AboutMenu))) {
                    return Command::About;
                }
                continue;
            }
            if (!bar.Items().empty() && bar.DropDown().Holds(event.y, event.x)) {
                continue;
            }
            // A press on the open title closes its menu; About acts at its click.
            if (!TitleAt(event.y, event.x, title) || (title == bar.Title() && title != MenuTitle::About)) {
                return Command::None;
            }
            bar.Open(title);
            frontend.Redraw(bar);
            continue;
        }
        if (IsEscape(event) || (event.isFunctionKey && event.key == kMenuBarKey)) {
            return Command::None;
        }
        if (IsEnter(event)) {
            return ChosenCommand(bar);
        }
        if (event.isFunctionKey && (event.key == KEY_LEFT || event.key == KEY_RIGHT)) {
            bar.Open(Neighbour(bar.Title(), event.key == KEY_LEFT ? -1 : 1));
            frontend.Redraw(bar);
        } else if (event.isFunctionKey && (event.key == KEY_UP || event.key == KEY_DOWN)) {
            bar.Move(event.key == KEY_UP ? -1 : 1);
            frontend.Redraw(bar);
        } else if (!event.isFunctionKey) {
            for (const MenuItem& item : bar.Items()) {
                if (item.text != nullptr && static_cast<wchar_t>(towlower(event.key)) == item.letter) {
                    return item.command;
                }
            }
        }
    }
}
