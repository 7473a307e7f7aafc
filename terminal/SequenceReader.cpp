#include "terminal/SequenceReader.h"

#include <curses.h>

#include <string>

#include "terminal/Input.h"
#include "terminal/MouseReport.h"

namespace {

// The bytes of a control sequence: parameters, then intermediates, then one final byte.
constexpr int kParameterFirst = 0x30;
constexpr int kParameterLast = 0x3F;
constexpr int kIntermediateFirst = 0x20;
constexpr int kIntermediateLast = 0x2F;
constexpr int kFinalFirst = 0x40;
constexpr int kFinalLast = 0x7E;
constexpr int kControlIntroducer = '[';
constexpr int kSingleShiftIntroducer = 'O';
// A paste comes between "Esc [ 200 ~" and "Esc [ 201 ~".
const char kPasteStart[] = "200";
const char kPasteEnd[] = "201";
constexpr int kPasteFinal = '~';
// Strings: an operating system command (OSC), a device control string (DCS), an application
// program command (APC), a privacy message (PM) and a start of string (SOS). The string
// terminator Esc \ ends each, a bell an OSC too, and Cancel or Substitute breaks one off.
constexpr int kCommandStringIntroducer = ']';
constexpr int kStringIntroducers[] = {kCommandStringIntroducer, 'P', '_', '^', 'X'};
constexpr int kStringTerminator = '\\';
constexpr int kBell = 7;
constexpr int kCancel = 0x18;
constexpr int kSubstitute = 0x1A;

bool Within(int byte, int first, int last) {
    return byte >= first && byte <= last;
}

bool IsStringIntroducer(int byte) {
    for (int introducer : kStringIntroducers) {
        if (byte == introducer) {
            return true;
        }
    }
    return false;
}

}  // namespace

void SequenceReader::GiveUpBy(Time now) {
    if (m_swallowing != Swallowing::Nothing && now >= m_giveUp) {
        m_swallowing = Swallowing::Nothing;
    }
}

void SequenceReader::Swallow(Swallowing what) {
    m_swallowing = what;
    m_giveUp = std::chrono::steady_clock::now() + kUnclosedGiveUp;
}

bool SequenceReader::Swallows(int key) {
    if (key >= KEY_MIN && (m_swallowing == Swallowing::String || m_swallowing == Swallowing::CommandString)) {
        // Curses read a key's sequence: its Esc broke the string off.
        m_swallowing = Swallowing::Nothing;
    }
    return m_swallowing != Swallowing::Nothing;
}

bool SequenceReader::ReadSwallowed(int key, Event& event) {
    // Each byte puts off giving up.
    m_giveUp = std::chrono::steady_clock::now() + kUnclosedGiveUp;
    if (m_swallowing == Swallowing::Paste) {
        // Only the mark of its end matters, and the mouse, which is no part of a paste.
        return key == kEscapeKey && ReadEscape(event) && event.kind == EventKind::Mouse;
    }
    if (key == kCancel || key == kSubstitute || (key == kBell && m_swallowing == Swallowing::CommandString)) {
        m_swallowing = Swallowing::Nothing;
        return false;
    }
    if (key != kEscapeKey) {
        return false;
    }
    // The terminator, or an Esc that breaks the string off and begins something of its own.
    m_swallowing = Swallowing::Nothing;
    wtimeout(stdscr, 0);
    const int next = wgetch(stdscr);
    if (next == kStringTerminator) {
        return false;
    }
    if (next != ERR) {
        ungetch(next);
    }
    return ReadEscape(event);
}

bool SequenceReader::ReadEscape(Event& event) {
    event.kind = EventKind::Key;
    event.key = kEscapeKey;
    // Curses has waited for what comes with the Esc: whatever did is here already.
    wtimeout(stdscr, 0);
    const int next = wgetch(stdscr);
    if (next == ERR) {
        // The Esc key alone.
    } else if (next >= KEY_MIN || next == kEscapeKey) {
        // A key, the mouse, a new size or Esc again, of its own.
        ungetch(next);
    } else if (next == kControlIntroducer || next == kSingleShiftIntroducer) {
        return ReadSequence(next, event);
    } else if (m_swallowing == Swallowing::Nothing && IsStringIntroducer(next)) {
        // A string's body comes at once; Alt with the same key comes alone.
        wtimeout(stdscr, get_escdelay());
        const int first = wgetch(stdscr);
        if (first == ERR) {
            event.key = next;
            event.alt = true;
            return true;
        }
        ungetch(first);
        Swallow(next == kCommandStringIntroducer ? Swallowing::CommandString : Swallowing::String);
        return false;
    } else {
        // Terminals send Alt with a key as Esc and that key at once.
        wchar_t character = 0;
        if (!m_characters.Read(next, character)) {
            return false;
        }
        event.key = static_cast<int>(character);
        event.alt = true;
    }
    return m_swallowing == Swallowing::Nothing;
}

bool SequenceReader::ReadSequence(int introducer, Event& event) {
    // The parts of a sequence may come apart over a slow line: each may take the escape delay.
    wtimeout(stdscr, get_escdelay());
    std::string parameters;
    while (true) {
        const int byte = wgetch(stdscr);
        if (byte == ERR) {
            return false;
        }
        if (Within(byte, kParameterFirst, kParameterLast)) {
            parameters += static_cast<char>(byte);
        } else if (Within(byte, kFinalFirst, kFinalLast)) {
            if (introducer != kControlIntroducer) {
                return false;
            }
            if (byte == kPasteFinal && parameters == kPasteStart) {
                Swallow(Swallowing::Paste);
            } else if (byte == kPasteFinal && parameters == kPasteEnd) {
                m_swallowing = Swallowing::Nothing;
            } else if (BeginsX10Mouse(parameters, byte)) {
                const int button = wgetch(stdscr);
                const int column = wgetch(stdscr);
                const int row = wgetch(stdscr);
                return ReadX10Mouse(button, column, row, event);
            }
            return ReadSgrMouse(parameters, byte, event);
        } else if (!Within(byte, kIntermediateFirst, kIntermediateLast)) {
            // Not a part of any sequence: a key of its own.
            ungetch(byte);
            return false;
        }
    }
}
