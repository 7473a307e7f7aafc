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
// The terminal reports the buttons going down and up, in the coding that has no limit of cells.
const char kMouseOn[] = "\033[?1000h\033[?1006h";
const char kMouseOff[] = "\033[?1006l\033[?1000l";

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
    // The game reads the mouse's reports itself.
    keyok(KEY_MOUSE, FALSE);
    SetUpInks();
}

Console::Console() {
    initscr();
    SetUpScreen();
    char* mouse = tigetstr("kmous");
    m_hasMouse = mouse != nullptr && mouse != reinterpret_cast<char*>(-1);
    Send(kPasteMarksOn);
    if (m_hasMouse) {
        Send(kMouseOn);
    }
}

Console::~Console() {
    if (m_hasMouse) {
        Send(kMouseOff);
    }
    Send(kPasteMarksOff);
    endwin();
}
