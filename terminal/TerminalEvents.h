#pragma once

#include <unistd.h>

#include <chrono>

#include "terminal/CharacterReader.h"
#include "terminal/Event.h"
#include "terminal/SequenceReader.h"
#include "terminal/Signals.h"
#include "terminal/TickClock.h"

// Events from the terminal: keys as curses reads them, the mouse as the terminal reports it, a
// tick every 100 ms (the first at once), a new size, and the end when a signal that ends programs
// comes or the terminal goes away. Sequences that curses does not know, the strings that terminals send as
// replies (OSC, DCS, APC, PM, SOS) and whatever the terminal marks as pasted are read whole and
// dropped: they are not keys. Typed bytes become characters through the C library one by one, so
// that a byte that is no character loses only itself (curses' own wide reading swallows a dozen
// bytes after it). Ctrl+Z, or a stop signal, hands the terminal back and stops the game until it
// is continued, which then comes as a new size: everything is drawn anew.
class TerminalEvents : public EventSource {
public:
    // A paste or a string whose end never comes stops swallowing bytes this long after its last one.
    static constexpr std::chrono::milliseconds kUnclosedGiveUp = SequenceReader::kUnclosedGiveUp;

    // Reads the current curses screen, whose input is the terminal.
    explicit TerminalEvents(int terminal = STDIN_FILENO);

    Event Next() override;

    // The signal that ended the game, 0 if none did.
    static int EndingSignal() { return JobSignals::Ending(); }

private:
    // A key code of curses or a typed byte.
    bool Translate(int key, Event& event);
    // Stops the game with the terminal as it was, until it is continued.
    void Suspend();
    bool TerminalGone() const;

    int m_terminal;
    JobSignals m_signals;
    TickClock m_clock;
    CharacterReader m_characters;
    SequenceReader m_sequences{m_characters};
};
