#pragma once

#include <curses.h>

#include "terminal/Event.h"

// What the player asks of the main screen.
enum class Command {
    None,
    AnswerA,
    AnswerB,
    AnswerC,
    AnswerD,
    Easy,
    Hard,
    Logic,
    Remove,       // the "-10" help
    Reveal,       // the "-50" help
    About,        // the menu bar's About
    WindowAbout,  // the window menu's About
    GameMenu,     // opens the Game menu
    WindowMenu,   // opens the window menu
    Close,
};

constexpr int kInterruptKey = 3;  // Ctrl+C
constexpr int kEscapeKey = 27;
constexpr int kMenuBarKey = KEY_F(10);

// The command of a key on the main screen; keys that mean nothing give None.
Command CommandForKey(const Event& key);

// The command of the left button's press or release at a cell of the main screen: menus
// open at a press, everything else acts at the release.
Command CommandForMouse(const Event& mouse);

// The marker (1 to 4) that a press at the cell holds down, 0 for none.
int MarkerPressed(const Event& mouse);

// Keys that close a message box: Enter, Esc and Space.
bool ClosesBox(const Event& key);

bool IsEnter(const Event& key);
// Backspace, whether the terminal sends it as Ctrl+H, as Delete or as its own key.
bool IsDeletion(const Event& key);
bool IsEscape(const Event& key);
