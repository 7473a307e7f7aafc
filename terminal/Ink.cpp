#include "terminal/Ink.h"

#include <iterator>

namespace {

constexpr int kInkCount = 10;
constexpr int kFullPalette = 256;

struct InkColours {
    Ink ink;
    short fullForeground, fullBackground;  // in the 256-colour palette
    short foreground, background;          // in the 8 basic colours
    attr_t monochrome;                     // without colours
};

// Steel blue RGB(50, 117, 156) is 67 in the 256-colour cube, pure green 46, pure blue 21,
// the light background of the About box 254.
constexpr InkColours kInks[] = {
    {Ink::Game, 46, 67, COLOR_GREEN, COLOR_BLUE, A_NORMAL},
    {Ink::Gauge, 67, 46, COLOR_BLUE, COLOR_GREEN, A_REVERSE},
    {Ink::Bar, 15, 25, COLOR_WHITE, COLOR_BLUE, A_REVERSE | A_BOLD},
    {Ink::Menu, 16, 252, COLOR_BLACK, COLOR_WHITE, A_REVERSE},
    {Ink::MenuChosen, 15, 25, COLOR_WHITE, COLOR_BLUE, A_BOLD},
    {Ink::Box, 16, 252, COLOR_BLACK, COLOR_WHITE, A_NORMAL},
    {Ink::Caption, 15, 25, COLOR_WHITE, COLOR_BLUE, A_REVERSE | A_BOLD},
    {Ink::Stop, 15, 160, COLOR_WHITE, COLOR_RED, A_REVERSE | A_BOLD},
    {Ink::About, 16, 254, COLOR_BLACK, COLOR_WHITE, A_NORMAL},
    {Ink::Link, 21, 254, COLOR_BLUE, COLOR_WHITE, A_UNDERLINE},
};
static_assert(std::size(kInks) == kInkCount, "every ink has its colours");

constexpr bool InkOrder() {
    for (int i = 0; i < kInkCount; ++i) {
        if (static_cast<int>(kInks[i].ink) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InkOrder(), "the table is in the order of the inks");

attr_t g_attributes[kInkCount] = {};

}  // namespace

void SetUpInks() {
    const bool coloured = has_colors() && start_color() == OK;
    for (int i = 0; i < kInkCount; ++i) {
        const InkColours& colours = kInks[i];
        if (!coloured) {
            g_attributes[i] = colours.monochrome;
            continue;
        }
        const short pair = static_cast<short>(i + 1);
        if (COLORS >= kFullPalette) {
            init_pair(pair, colours.fullForeground, colours.fullBackground);
        } else {
            init_pair(pair, colours.foreground, colours.background);
        }
        g_attributes[i] = COLOR_PAIR(pair);
    }
}

attr_t InkOf(Ink ink) {
    return g_attributes[static_cast<int>(ink)];
}
