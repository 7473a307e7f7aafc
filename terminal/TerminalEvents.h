#pragma once

#include <unistd.h>

#include <chrono>
#include <cwchar>

#include "terminal/Event.h"

// Events from the terminal: keys and the mouse as curses reads them, a tick every 100 ms
// (the first at once), a new size, and the end when an interrupt, hang-up or termination
// signal comes or the terminal goes away. Sequences that curses does not know and whatever
// the terminal marks as pasted are read whole and dropped: they are not keys. Typed bytes
// become characters through the C library one by one, so that a byte that is no character
// loses only itself (curses' own wide reading swallows a dozen bytes after it).
class TerminalEvents : public EventSource {
public:
    // Reads the current curses screen, whose input is the terminal.
    explicit TerminalEvents(int terminal = STDIN_FILENO);
    ~TerminalEvents() override;
    TerminalEvents(const TerminalEvents&) = delete;
    TerminalEvents& operator=(const TerminalEvents&) = delete;

    Event Next() override;

    // The signal that ended the game, 0 if none did.
    static int EndingSignal();

private:
    // A key code of curses or a typed byte.
    bool Translate(int key, Event& event);
    // The character that the byte begins, with the bytes that came with it; false for bytes
    // that are no character.
    bool ReadCharacter(int byte, wchar_t& character);
    // Whether the byte ends a character, which it gives.
    bool Decode(int byte, wchar_t& character);
    // After an Esc: Alt with the character that came with it, the mouse, or a sequence to drop.
    bool TranslateEscape(Event& event);
    // The rest of a control sequence after its introducer: a report of the mouse, or dropped; a
    // paste's marks start and end the paste.
    bool ReadSequence(int introducer, Event& event);
    bool TerminalGone() const;

    int m_terminal;
    std::chrono::steady_clock::time_point m_nextTick;
    std::mbstate_t m_shift{};
    bool m_inPaste = false;
};
