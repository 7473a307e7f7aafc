#pragma once

// The terminal set up for the game while this lives: raw keys, no echo, no cursor, the
// mouse's left button, colours; as it was again when this goes.
class Console {
public:
    Console();
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;
};
