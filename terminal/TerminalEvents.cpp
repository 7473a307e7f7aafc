#include "terminal/TerminalEvents.h"

#include <curses.h>
#include <poll.h>

#include <csignal>
#include <ctime>
#include <string>

#include "terminal/Input.h"

namespace {

constexpr std::chrono::milliseconds kTickPeriod(100);
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The parts of a control sequence: parameters, then intermediates, then one final character.
constexpr wint_t kParameterFirst = 0x30;
constexpr wint_t kParameterLast = 0x3F;
constexpr wint_t kIntermediateFirst = 0x20;
constexpr wint_t kIntermediateLast = 0x2F;
constexpr wint_t kFinalFirst = 0x40;
constexpr wint_t kFinalLast = 0x7E;
constexpr wint_t kControlIntroducer = L'[';
constexpr wint_t kSingleShiftIntroducer = L'O';
// A paste comes between "Esc [ 200 ~" and "Esc [ 201 ~".
const wchar_t kPasteStart[] = L"200";
const wchar_t kPasteEnd[] = L"201";
constexpr wint_t kPasteFinal = L'~';

volatile std::sig_atomic_t g_endingSignal = 0;

void OnEndingSignal(int signal) {
    g_endingSignal = signal;
}

bool Within(wint_t character, wint_t first, wint_t last) {
    return character >= first && character <= last;
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
        wint_t key = 0;
        const int result = wget_wch(stdscr, &key);
        if (result != ERR) {
            if (Translate(result, key, event)) {
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

bool TerminalEvents::Translate(int result, wint_t key, Event& event) {
    if (result == KEY_CODE_YES && key == KEY_RESIZE) {
        event.kind = EventKind::Resize;
        return true;
    }
    if (result == KEY_CODE_YES && key == KEY_MOUSE) {
        MEVENT mouse = {};
        if (getmouse(&mouse) != OK || (mouse.bstate & (BUTTON1_PRESSED | BUTTON1_RELEASED)) == 0) {
            return false;
        }
        event.kind = EventKind::Mouse;
        event.mouse = (mouse.bstate & BUTTON1_PRESSED) != 0 ? MouseAction::Press : MouseAction::Release;
        event.y = mouse.y;
        event.x = mouse.x;
        return true;
    }
    if (result != KEY_CODE_YES && key == kEscapeKey) {
        return TranslateEscape(event);
    }
    if (m_inPaste) {
        return false;
    }
    event.kind = EventKind::Key;
    event.key = static_cast<int>(key);
    event.isFunctionKey = result == KEY_CODE_YES;
    return true;
}

bool TerminalEvents::TranslateEscape(Event& event) {
    event.kind = EventKind::Key;
    event.key = kEscapeKey;
    // Curses has waited for what comes with the Esc: whatever did is here already.
    wtimeout(stdscr, 0);
    wint_t next = 0;
    const int following = wget_wch(stdscr, &next);
    if (following == KEY_CODE_YES) {
        // A key, the mouse or a new size of its own, after an Esc of its own.
        ungetch(static_cast<int>(next));
    } else if (following == ERR) {
        // The Esc key alone.
    } else if (next == static_cast<wint_t>(kEscapeKey)) {
        // Esc pressed twice.
        unget_wch(static_cast<wchar_t>(next));
    } else if (next == kControlIntroducer || next == kSingleShiftIntroducer) {
        SkipSequence(next);
        return false;
    } else {
        // Terminals send Alt with a key as Esc and that key at once.
        event.key = static_cast<int>(next);
        event.alt = true;
    }
    return !m_inPaste;
}

void TerminalEvents::SkipSequence(wint_t introducer) {
    // The parts of a sequence may come apart over a slow line: each may take the escape delay.
    wtimeout(stdscr, get_escdelay());
    std::wstring parameters;
    while (true) {
        wint_t character = 0;
        const int result = wget_wch(stdscr, &character);
        if (result == ERR) {
            return;
        }
        if (result == KEY_CODE_YES) {
            ungetch(static_cast<int>(character));
            return;
        }
        if (Within(character, kParameterFirst, kParameterLast)) {
            parameters += static_cast<wchar_t>(character);
        } else if (Within(character, kFinalFirst, kFinalLast)) {
            if (introducer == kControlIntroducer && character == kPasteFinal && parameters == kPasteStart) {
                m_inPaste = true;
            } else if (introducer == kControlIntroducer && character == kPasteFinal && parameters == kPasteEnd) {
                m_inPaste = false;
            }
            return;
        } else if (!Within(character, kIntermediateFirst, kIntermediateLast)) {
            // Not a part of any sequence: a key of its own.
            unget_wch(static_cast<wchar_t>(character));
            return;
        }
    }
}
