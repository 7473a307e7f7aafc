#include "terminal/TerminalEvents.h"

#include <curses.h>
#include <poll.h>

#include <csignal>
#include <ctime>
#include <string>

#include "terminal/Input.h"
#include "terminal/MouseReport.h"

namespace {

constexpr std::chrono::milliseconds kTickPeriod(100);
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

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

// What the C library tells of a byte: no character, or one that goes on.
constexpr std::size_t kNoCharacter = static_cast<std::size_t>(-1);
constexpr std::size_t kCharacterGoesOn = static_cast<std::size_t>(-2);

volatile std::sig_atomic_t g_endingSignal = 0;

void OnEndingSignal(int signal) {
    g_endingSignal = signal;
}

bool Within(int byte, int first, int last) {
    return byte >= first && byte <= last;
}

}  // namespace

TerminalEvents::TerminalEvents(int terminal) : m_terminal(terminal), m_nextTick(std::chrono::steady_clock::now()) {
    struct sigaction action = {};
    action.sa_handler = OnEndingSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : kEndingSignals) {
        sigaction(signal, &action, nullptr);
    }
}

TerminalEvents::~TerminalEvents() {
    for (int signal : kEndingSignals) {
        std::signal(signal, SIG_DFL);
    }
}

int TerminalEvents::EndingSignal() {
    return g_endingSignal;
}

Event TerminalEvents::Next() {
    while (g_endingSignal == 0) {
        Event event;
        const auto now = std::chrono::steady_clock::now();
        if (now >= m_nextTick) {
            // Late ticks are not made up for: the clock shows the time, not a count.
            m_nextTick += kTickPeriod;
            if (m_nextTick <= now) {
                m_nextTick = now + kTickPeriod;
            }
            event.kind = EventKind::Tick;
            event.now = std::time(nullptr);
            return event;
        }
        // One wait for a key until the next tick.
        wtimeout(stdscr, static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(m_nextTick - now).count()));
        const int key = wgetch(stdscr);
        if (key != ERR) {
            if (Translate(key, event)) {
                return event;
            }
        } else if (std::chrono::steady_clock::now() < m_nextTick && TerminalGone()) {
            break;
        }
    }
    return Event();
}

bool TerminalEvents::TerminalGone() const {
    pollfd input = {m_terminal, POLLIN, 0};
    return poll(&input, 1, 0) > 0 && (input.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

bool TerminalEvents::Translate(int key, Event& event) {
    if (key == KEY_RESIZE) {
        event.kind = EventKind::Resize;
        return true;
    }
    if (m_inPaste) {
        // Only the mark of its end matters, and the mouse, which is no part of a paste.
        return key == kEscapeKey && TranslateEscape(event) && event.kind == EventKind::Mouse;
    }
    event.kind = EventKind::Key;
    if (key >= KEY_MIN) {
        event.key = key;
        event.isFunctionKey = true;
        return true;
    }
    wchar_t character = 0;
    if (!ReadCharacter(key, character)) {
        return false;
    }
    if (character == kEscapeKey) {
        return TranslateEscape(event);
    }
    event.key = static_cast<int>(character);
    return true;
}

bool TerminalEvents::ReadCharacter(int byte, wchar_t& character) {
    while (!Decode(byte, character)) {
        if (std::mbsinit(&m_shift) != 0) {
            return false;
        }
        byte = wgetch(stdscr);
        if (byte == ERR || byte >= KEY_MIN) {
            if (byte != ERR) {
                ungetch(byte);
            }
            m_shift = std::mbstate_t{};
            return false;
        }
    }
    return true;
}

bool TerminalEvents::Decode(int byte, wchar_t& character) {
    const char piece = static_cast<char>(byte);
    const bool fresh = std::mbsinit(&m_shift) != 0;
    std::size_t length = std::mbrtowc(&character, &piece, 1, &m_shift);
    if (length == kNoCharacter && !fresh) {
        // The byte cut a character short: it may begin one of its own.
        m_shift = std::mbstate_t{};
        length = std::mbrtowc(&character, &piece, 1, &m_shift);
    }
    if (length == kNoCharacter) {
        m_shift = std::mbstate_t{};
        return false;
    }
    return length != kCharacterGoesOn;
}

bool TerminalEvents::TranslateEscape(Event& event) {
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
    } else {
        // Terminals send Alt with a key as Esc and that key at once.
        wchar_t character = 0;
        if (!ReadCharacter(next, character)) {
            return false;
        }
        event.key = static_cast<int>(character);
        event.alt = true;
    }
    return !m_inPaste;
}

bool TerminalEvents::ReadSequence(int introducer, Event& event) {
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
                m_inPaste = true;
            } else if (byte == kPasteFinal && parameters == kPasteEnd) {
                m_inPaste = false;
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
