#include "play/Menus.h"

#include <cstring>

#include "res/WindowTexts.h"
#include "res/resource.h"

namespace {

const char kCloseItem[] = "&Close";
constexpr char kLetterMark = '&';
constexpr char kShortcutMark = '\t';

}  // namespace

const char* TitleText(MenuTitle title) {
    switch (title) {
        case MenuTitle::Game: return MENDO_MENU_GAME;
        case MenuTitle::About: return MENDO_MENU_ABOUT;
        case MenuTitle::Window: break;
    }
    return "";
}

std::vector<MenuItem> ItemsOf(MenuTitle title, bool canClose) {
    switch (title) {
        case MenuTitle::Window:
            if (!canClose) {
                return {{MENDO_WINDOW_ABOUT, IDM_ABOUTBOX}};
            }
            return {{kCloseItem, ID_WINDOW_CLOSE}, {nullptr, 0}, {MENDO_WINDOW_ABOUT, IDM_ABOUTBOX}};
        case MenuTitle::Game:
            return {
                {MENDO_MENU_EASY, ID_GAME_EASY}, {MENDO_MENU_HARD, ID_GAME_HARD}, {MENDO_MENU_LOGIC, ID_GAME_LOGIC}};
        case MenuTitle::About: break;
    }
    return {};
}

std::string ItemLabel(const char* text) {
    std::string label;
    for (const char* c = text; *c != '\0' && *c != kShortcutMark; ++c) {
        if (*c != kLetterMark) {
            label += *c;
        }
    }
    return label;
}

std::string ItemShortcut(const char* text) {
    const char* tab = std::strchr(text, kShortcutMark);
    return tab != nullptr ? tab + 1 : "";
}

char ItemLetter(const char* text) {
    const char* mark = std::strchr(text, kLetterMark);
    if (mark == nullptr || mark[1] == '\0') {
        return 0;
    }
    const char letter = mark[1];
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
}
