#include "terminal/Console.h"

#include <curses.h>

#include "terminal/Ink.h"

namespace {

constexpr int kAltDelayMs = 25;  // an Esc with a key this soon after it is Alt and that key

}  // namespace

Console::Console() {
    initscr();
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    nodelay(stdscr, TRUE);
    curs_set(0);
    set_escdelay(kAltDelayMs);
    mousemask(BUTTON1_PRESSED | BUTTON1_RELEASED, nullptr);
    mouseinterval(0);
    SetUpInks();
}

Console::~Console() {
    endwin();
}
