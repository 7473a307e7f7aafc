#pragma once

#include <curses.h>

#include <optional>

#include "terminal/Signals.h"

// What keeps the game from drawing on this terminal, as terminfo describes it.
enum class TerminalFault {
    None,
    Unset,          // no TERM
    Unknown,        // a TERM that terminfo has no description of
    CannotAddress,  // a terminal that cannot move its cursor, such as "dumb", or a hard copy
};

// Reads the description of the terminal that TERM names, without taking the terminal.
TerminalFault CheckTerminal();

// The terminal set up for the game while this lives: raw keys, no echo, no cursor, the
// mouse's reports where the terminal has a mouse, colours, pastes marked as such; as it was again when this goes, and
// as it was when a fault or a signal that dumps core ends the game.
class Console {
public:
    Console();
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // Whether curses could take the terminal; nothing is set up otherwise.
    bool Opened() const { return m_screen != nullptr; }

private:
    SCREEN* m_screen;
    std::optional<FaultSignals> m_faults;
};

// Sets up the current curses screen for the game's input and colours.
void SetUpScreen();

// The terminal as it was before the game, as at its end: for a stop.
void ReleaseTerminal();
// The terminal the game's again after a stop, as the shell left it; the next update of the screen
// draws everything.
void RetakeTerminal();
