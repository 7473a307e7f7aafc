#pragma once

#include <curses.h>

#include "terminal/Canvas.h"
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

// The command of the left button's press at a cell of the main screen: the menus open there.
Command CommandForPress(const Event& press);

// The command of the left button's release: over a marker it answers wherever the press was;
// the buttons and the About title act only when the press was on them too.
Command CommandForRelease(const Event& release);

// The marker (1 to 4) that a press at the cell holds down, 0 for none.
int MarkerPressed(const Event& mouse);

// Whether the event is a release that ends a click on the spot: its press was there too.
bool ClickedOn(const Event& mouse, const Rect& spot);

// A character key without Alt.
bool IsPlainKey(const Event& key);

// Keys that close a message box: Enter, Esc and Space.
bool ClosesBox(const Event& key);

bool IsEnter(const Event& key);
// Backspace, whether the terminal sends it as Ctrl+H, as Delete or as its own key.
bool IsDeletion(const Event& key);
bool IsEscape(const Event& key);
