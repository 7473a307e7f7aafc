#pragma once

#include <ctime>

// What reaches the program: a key, the mouse, a tick of the clock, a new terminal size, or
// the end (an interrupt, a hang-up, a termination).
enum class EventKind { Key, Mouse, Tick, Resize, Quit };

enum class MouseAction { Press, Release };

struct Event {
    EventKind kind = EventKind::Quit;
    int key = 0;  // a character, or a curses KEY_ code when isFunctionKey
    bool isFunctionKey = false;
    bool alt = false;                        // the key came after Esc, as terminals send Alt
    MouseAction mouse = MouseAction::Press;  // of the left button
    int y = 0;                               // the mouse's cell
    int x = 0;
    std::time_t now = 0;  // the time of day at a tick
};

// Where the events come from: the terminal, or a script in the tests.
class EventSource {
public:
    virtual ~EventSource() = default;
    // Waits for the next event; after Quit only Quit follows.
    virtual Event Next() = 0;
};
