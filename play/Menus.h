#pragma once

#include <string>
#include <vector>

// The menu bar: the window menu's button, then Game and About, from left to right.
enum class MenuTitle { Window, Game, About };
constexpr int kMenuTitleCount = 3;

// An item as the window's menus write it ("&Easy\tCtrl+E") and the command it gives; an item
// without a text is a line between two groups.
struct MenuItem {
    const char* text;
    int command;
};

// What a title shows on the menu bar; the window menu's button has no text of its own.
const char* TitleText(MenuTitle title);

// The items under a title, top to bottom; About has none, it acts at its click. The window
// menu has Close only where the program can close itself.
std::vector<MenuItem> ItemsOf(MenuTitle title, bool canClose);

// An item's text without its "&", up to the tab.
std::string ItemLabel(const char* text);
// The key after the tab, or nothing.
std::string ItemShortcut(const char* text);
// The small letter after the "&" that chooses the item, 0 if none.
char ItemLetter(const char* text);
