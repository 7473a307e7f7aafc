#include "terminal/Console.h"

#include <curses.h>

#include <cstdio>

#include "terminal/Ink.h"

namespace {

// An Esc with more this soon after it is a key's sequence or Alt with a key: long enough for a
// sequence that a slow line splits.
constexpr int kEscapeDelayMs = 100;

// The terminal marks what is pasted, so that a paste is not taken for keys.
const char kPasteMarksOn[] = "\033[?2004h";
const char kPasteMarksOff[] = "\033[?2004l";

void Send(const char* sequence) {
    std::fputs(sequence, stdout);
    std::fflush(stdout);
}

}  // namespace

void SetUpScreen() {
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    curs_set(0);
    set_escdelay(kEscapeDelayMs);
    mousemask(BUTTON1_PRESSED | BUTTON1_RELEASED, nullptr);
    mouseinterval(0);
    SetUpInks();
}

Console::Console() {
    initscr();
    SetUpScreen();
    Send(kPasteMarksOn);
}

Console::~Console() {
    Send(kPasteMarksOff);
    endwin();
}
