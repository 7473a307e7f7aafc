#pragma once

#include <chrono>
#include <cwchar>

#include "terminal/Event.h"

// Events from the terminal: keys and the mouse as curses reads them, a tick every 100 ms
// (the first at once), a new size, and the end when an interrupt, hang-up or termination
// signal comes or the terminal goes away.
class TerminalEvents : public EventSource {
public:
    TerminalEvents();
    ~TerminalEvents() override;
    TerminalEvents(const TerminalEvents&) = delete;
    TerminalEvents& operator=(const TerminalEvents&) = delete;

    Event Next() override;

    // The signal that ended the game, 0 if none did.
    static int EndingSignal();

private:
    bool Translate(int result, wint_t key, Event& event);

    std::chrono::steady_clock::time_point m_nextTick;
};
