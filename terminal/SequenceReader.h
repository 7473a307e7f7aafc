#pragma once

#include <chrono>

#include "terminal/CharacterReader.h"
#include "terminal/Event.h"

// What the terminal sends after an Esc, read from the current curses screen: Alt with a key,
// the mouse's reports, and the sequences that curses does not know, the strings that terminals
// send as replies (OSC, DCS, APC, PM, SOS) and whatever the terminal marks as pasted, which are
// read whole and dropped: they are not keys.
class SequenceReader {
public:
    using Time = std::chrono::steady_clock::time_point;

    // A paste or a string whose end never comes stops swallowing bytes this long after its last one.
    static constexpr std::chrono::milliseconds kUnclosedGiveUp{1500};

    // Alt with a character reads the character with these.
    explicit SequenceReader(CharacterReader& characters) : m_characters(characters) {}

    // Whether the key of curses or typed byte belongs to a paste or a string being dropped; a
    // key of curses breaks a string off, as its Esc did.
    bool Swallows(int key);
    // A byte of a paste or of a string; whether it ended it with an event.
    bool ReadSwallowed(int key, Event& event);
    // After an Esc: whether an event came with it, Alt with a character, the mouse, or the Esc
    // key alone; a sequence or a string to drop gives none.
    bool ReadEscape(Event& event);
    // A paste or a string whose end has not come by then is given up: what follows is keys again.
    void GiveUpBy(Time now);

private:
    // What the bytes being read belong to, to be dropped with them.
    enum class Swallowing {
        Nothing,
        Paste,
        String,         // up to the string terminator, Esc \.
        CommandString,  // OSC, which a bell ends too
    };

    // The rest of a control sequence after its introducer: a report of the mouse, or dropped; a
    // paste's marks start and end the paste.
    bool ReadSequence(int introducer, Event& event);
    void Swallow(Swallowing what);

    CharacterReader& m_characters;
    Swallowing m_swallowing = Swallowing::Nothing;
    Time m_giveUp;
};
