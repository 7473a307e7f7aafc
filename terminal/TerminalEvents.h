#pragma once

#include <unistd.h>

#include <chrono>
#include <cwchar>
#include <vector>

#include "terminal/Event.h"

// Events from the terminal: keys as curses reads them, the mouse as the terminal reports it, a
// tick every 100 ms
// (the first at once), a new size, and the end when a signal that ends programs comes or the
// terminal goes away. Sequences that curses does not know, the strings that terminals send as
// replies (OSC, DCS, APC, PM, SOS) and whatever the terminal marks as pasted are read whole and
// dropped: they are not keys. Typed bytes become characters through the C library one by one, so
// that a byte that is no character loses only itself (curses' own wide reading swallows a dozen
// bytes after it). Ctrl+Z, or a stop signal, hands the terminal back and stops the game until it
// is continued, which then comes as a new size: everything is drawn anew.
class TerminalEvents : public EventSource {
public:
    // A paste or a string whose end never comes stops swallowing bytes this long after its last one.
    static constexpr std::chrono::milliseconds kUnclosedGiveUp{1500};

    // Reads the current curses screen, whose input is the terminal.
    explicit TerminalEvents(int terminal = STDIN_FILENO);
    ~TerminalEvents() override;
    TerminalEvents(const TerminalEvents&) = delete;
    TerminalEvents& operator=(const TerminalEvents&) = delete;

    Event Next() override;

    // The signal that ended the game, 0 if none did.
    static int EndingSignal();

private:
    // What the bytes being read belong to, to be dropped with them.
    enum class Swallowing {
        Nothing,
        Paste,
        String,         // up to the string terminator, Esc \.
        CommandString,  // OSC, which a bell ends too
    };

    // A key code of curses or a typed byte.
    bool Translate(int key, Event& event);
    // A byte of a paste or of a string; whether it ended it with a key.
    bool TranslateSwallowed(int key, Event& event);
    // The character that the byte begins, with the bytes that came with it; false for bytes
    // that are no character.
    bool ReadCharacter(int byte, wchar_t& character);
    // Whether the byte ends a character, which it gives.
    bool Decode(int byte, wchar_t& character);
    // After an Esc: Alt with the character that came with it, the mouse, or a sequence or a
    // string to drop.
    bool TranslateEscape(Event& event);
    // The rest of a control sequence after its introducer: a report of the mouse, or dropped; a
    // paste's marks start and end the paste.
    bool ReadSequence(int introducer, Event& event);
    void Swallow(Swallowing what);
    // Stops the game with the terminal as it was, until it is continued.
    void Suspend();
    bool TerminalGone() const;

    int m_terminal;
    std::chrono::steady_clock::time_point m_nextTick;
    std::mbstate_t m_shift{};
    Swallowing m_swallowing = Swallowing::Nothing;
    std::chrono::steady_clock::time_point m_giveUp;
    bool m_canSuspend = false;  // stop signals were not ignored when the game started
    std::vector<int> m_caught;  // the signals whose handlers are the game's
};
