#pragma once

// The terminal set up for the game while this lives: raw keys, no echo, no cursor, the
// mouse's reports where the terminal has a mouse, colours, pastes marked as such; as it was
// again when this goes.
class Console {
public:
    Console();
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

private:
    bool m_hasMouse = false;
};

// Sets up the current curses screen for the game's input and colours.
void SetUpScreen();
