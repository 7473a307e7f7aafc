#pragma once

#include <curses.h>

// The colours of each part of the screen, as the window has them where the terminal can,
// and attributes that keep every part legible where it cannot.
enum class Ink {
    Game,        // green text on steel blue
    Gauge,       // the filled part of the rank gauge
    Bar,         // title bar
    Menu,        // menu bar, drop-down menus, buttons, the key line
    MenuChosen,  // the highlighted menu item
    Box,         // message boxes
    Caption,     // a message box's caption bar
    Stop,        // the stop mark of "WRONG!!!"
    About,       // the About box, on a light background
    Link,        // the About box's links, blue
    Question,    // the question: the game's colours, bold, underlined, and italic where the terminal has it
};

// Chooses the colours once the terminal is set up: 256 colours, 8 colours, or none, as on a
// monochrome terminal when the NO_COLOR variable is set and not empty.
void SetUpInks();

attr_t InkOf(Ink ink);
