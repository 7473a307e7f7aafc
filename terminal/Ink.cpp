#include "terminal/Ink.h"

#include <cstdlib>
#include <iterator>

#include "play/Look.h"
#include "terminal/Terminfo.h"

namespace {

constexpr int kInkCount = 11;
constexpr int kFullPalette = 256;
const char kNoColour[] = "NO_COLOR";  // https://no-color.org
const char kItalicStart[] = "sitm";   // terminfo's name for the start of italics
constexpr attr_t kEmphasis = A_BOLD | A_UNDERLINE | A_ITALIC;

struct InkColours {
    Ink ink;
    short fullForeground, fullBackground;  // in the 256-colour palette
    short foreground, background;          // in the 8 basic colours
    attr_t monochrome;                     // without colours
    attr_t always;                         // with colours or without
};

// The window's colours as the nearest of the 256-colour palette's cube of 6 x 6 x 6, which
// begins at 16 and steps through these levels of each of red, green and blue.
constexpr int kCubeStart = 16;
constexpr int kCubeLevels[] = {0, 95, 135, 175, 215, 255};
constexpr int kCubeSide = 6;

constexpr int Distance(int a, int b) {
    return a > b ? a - b : b - a;
}

constexpr int NearestLevel(int value) {
    int nearest = 0;
    for (int i = 1; i < kCubeSide; ++i) {
        if (Distance(kCubeLevels[i], value) < Distance(kCubeLevels[nearest], value)) {
            nearest = i;
        }
    }
    return nearest;
}

constexpr short InCube(Colour colour) {
    return static_cast<short>(kCubeStart + NearestLevel(colour.red) * kCubeSide * kCubeSide +
                              NearestLevel(colour.green) * kCubeSide + NearestLevel(colour.blue));
}

constexpr short kWindowGround = InCube(kSteelBlue);
constexpr short kWindowText = InCube(kGreen);
constexpr short kLinkText = InCube(kLinkBlue);
static_assert(kWindowGround == 67 && kWindowText == 46 && kLinkText == 21, "the cube's steel blue, green and blue");

// Beside the window's own, navy is 18 and the light background of the About box 254. A box's
// caption bar is its top edge: it stands out from the steel blue, and with 8 colours, where blue
// is the game's own, it is black.
constexpr InkColours kInks[] = {
    {Ink::Game, kWindowText, kWindowGround, COLOR_GREEN, COLOR_BLUE, A_NORMAL, A_NORMAL},
    {Ink::Gauge, kWindowGround, kWindowText, COLOR_BLUE, COLOR_GREEN, A_REVERSE, A_NORMAL},
    {Ink::Bar, 15, 25, COLOR_WHITE, COLOR_BLUE, A_REVERSE | A_BOLD, A_NORMAL},
    {Ink::Menu, 16, 252, COLOR_BLACK, COLOR_WHITE, A_REVERSE, A_NORMAL},
    {Ink::MenuChosen, 15, 25, COLOR_WHITE, COLOR_BLUE, A_BOLD, A_NORMAL},
    {Ink::Box, 16, 252, COLOR_BLACK, COLOR_WHITE, A_NORMAL, A_NORMAL},
    {Ink::Caption, 15, 18, COLOR_WHITE, COLOR_BLACK, A_REVERSE, A_BOLD},
    {Ink::Stop, 15, 160, COLOR_WHITE, COLOR_RED, A_REVERSE | A_BOLD, A_NORMAL},
    {Ink::About, 16, 254, COLOR_BLACK, COLOR_WHITE, A_NORMAL, A_NORMAL},
    {Ink::Link, kLinkText, 254, COLOR_BLUE, COLOR_WHITE, A_UNDERLINE, A_NORMAL},
    {Ink::Question, kWindowText, kWindowGround, COLOR_GREEN, COLOR_BLUE, A_NORMAL, kEmphasis},
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

bool NoColourAsked() {
    const char* const value = std::getenv(kNoColour);
    return value != nullptr && value[0] != '\0';
}

// The attributes the terminal can show: italics only where terminfo says how.
attr_t Shown(attr_t attributes) {
    return TerminalHas(kItalicStart) ? attributes : attributes & ~A_ITALIC;
}

attr_t g_attributes[kInkCount] = {};

}  // namespace

void SetUpInks() {
    const bool coloured = !NoColourAsked() && has_colors() && start_color() == OK;
    for (int i = 0; i < kInkCount; ++i) {
        const InkColours& colours = kInks[i];
        if (!coloured) {
            g_attributes[i] = Shown(colours.monochrome | colours.always);
            continue;
        }
        const short pair = static_cast<short>(i + 1);
        if (COLORS >= kFullPalette) {
            init_pair(pair, colours.fullForeground, colours.fullBackground);
        } else {
            init_pair(pair, colours.foreground, colours.background);
        }
        g_attributes[i] = COLOR_PAIR(pair) | Shown(colours.always);
    }
}

attr_t InkOf(Ink ink) {
    return g_attributes[static_cast<int>(ink)];
}
