#include "terminal/TerminalEvents.h"

#include <curses.h>
#include <poll.h>

#include <csignal>
#include <ctime>
#include <iterator>
#include <string>

#include "play/Look.h"
#include "terminal/Console.h"
#include "terminal/Input.h"
#include "terminal/MouseReport.h"

namespace {

constexpr std::chrono::milliseconds kTickPeriod(kClockPeriodMs);
// The signals whose default is to end the program, without a core dump, that a program may
// catch (signal(7)): the game ends as if closed, then the signal ends it. The real-time signals
// are such too.
constexpr int kEndingSignals[] = {SIGHUP,  SIGINT,    SIGTERM, SIGUSR1, SIGUSR2,   SIGPIPE,
                                  SIGALRM, SIGVTALRM, SIGPROF, SIGIO,   SIGSTKFLT, SIGPWR};
// Ctrl+Z, which a terminal that is not raw turns into this stop signal.
constexpr int kSuspendKey = 26;
constexpr int kStopSignal = SIGTSTP;

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

// What the C library tells of a byte: no character, or one that goes on.
constexpr std::size_t kNoCharacter = static_cast<std::size_t>(-1);
constexpr std::size_t kCharacterGoesOn = static_cast<std::size_t>(-2);

volatile std::sig_atomic_t g_endingSignal = 0;
volatile std::sig_atomic_t g_stopAsked = 0;

void OnEndingSignal(int signal) {
    g_endingSignal = signal;
}

void OnStopSignal(int) {
    g_stopAsked = 1;
}

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

// Catches the signal with the handler unless someone else handles or ignores it; whether it did.
bool Catch(int signal, void (*handler)(int)) {
    struct sigaction before = {};
    if (sigaction(signal, nullptr, &before) != 0 || before.sa_handler != SIG_DFL) {
        return false;
    }
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    return sigaction(signal, &action, nullptr) == 0;
}

}  // namespace

TerminalEvents::TerminalEvents(int terminal) : m_terminal(terminal), m_nextTick(std::chrono::steady_clock::now()) {
    std::vector<int> endingSignals(std::begin(kEndingSignals), std::end(kEndingSignals));
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) {
        endingSignals.push_back(signal);
    }
    for (int signal : endingSignals) {
        if (Catch(signal, OnEndingSignal)) {
            m_caught.push_back(signal);
        }
    }
    // Where stops are ignored, as some shells without job control do, Ctrl+Z does not stop either.
    m_canSuspend = Catch(kStopSignal, OnStopSignal);
    if (m_canSuspend) {
        m_caught.push_back(kStopSignal);
    }
}

TerminalEvents::~TerminalEvents() {
    for (int signal : m_caught) {
        std::signal(signal, SIG_DFL);
    }
}

int TerminalEvents::EndingSignal() {
    return g_endingSignal;
}

Event TerminalEvents::Next() {
    while (g_endingSignal == 0) {
        Event event;
        if (g_stopAsked != 0) {
            Suspend();
            event.kind = EventKind::Resize;
            return event;
        }
        const auto now = std::chrono::steady_clock::now();
        if (m_swallowing != Swallowing::Nothing && now >= m_giveUp) {
            // Its end will not come: what follows is keys again.
            m_swallowing = Swallowing::Nothing;
        }
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
        } else if (g_stopAsked == 0 && std::chrono::steady_clock::now() < m_nextTick && TerminalGone()) {
            break;
        }
    }
    return Event();
}

bool TerminalEvents::TerminalGone() const {
    pollfd input = {m_terminal, POLLIN, 0};
    return poll(&input, 1, 0) > 0 && (input.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void TerminalEvents::Suspend() {
    g_stopAsked = 0;
    ReleaseTerminal();
    // Stopped as the terminal stops a job at Ctrl+Z when it is not raw: all of it. Where no
    // shell could continue the game (an orphaned process group), the system drops the signal.
    struct sigaction ours = {};
    struct sigaction byDefault = {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    sigaction(kStopSignal, &byDefault, &ours);
    kill(0, kStopSignal);
    // Continued; a stop asked while this one was on its way is done.
    sigaction(kStopSignal, &ours, nullptr);
    g_stopAsked = 0;
    RetakeTerminal();
}

void TerminalEvents::Swallow(Swallowing what) {
    m_swallowing = what;
    m_giveUp = std::chrono::steady_clock::now() + kUnclosedGiveUp;
}

bool TerminalEvents::Translate(int key, Event& event) {
    if (key == KEY_RESIZE) {
        event.kind = EventKind::Resize;
        return true;
    }
    if (key >= KEY_MIN && (m_swallowing == Swallowing::String || m_swallowing == Swallowing::CommandString)) {
        // Curses read a key's sequence: its Esc broke the string off.
        m_swallowing = Swallowing::Nothing;
    }
    if (m_swallowing != Swallowing::Nothing) {
        return TranslateSwallowed(key, event);
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
    if (character == kSuspendKey && m_canSuspend) {
        Suspend();
        event.kind = EventKind::Resize;
        return true;
    }
    event.key = static_cast<int>(character);
    return true;
}

bool TerminalEvents::TranslateSwallowed(int key, Event& event) {
    // Each byte puts off giving up.
    m_giveUp = std::chrono::steady_clock::now() + kUnclosedGiveUp;
    if (m_swallowing == Swallowing::Paste) {
        // Only the mark of its end matters, and the mouse, which is no part of a paste.
        return key == kEscapeKey && TranslateEscape(event) && event.kind == EventKind::Mouse;
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
    return TranslateEscape(event);
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
        if (!ReadCharacter(next, character)) {
            return false;
        }
        event.key = static_cast<int>(character);
        event.alt = true;
    }
    return m_swallowing == Swallowing::Nothing;
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
