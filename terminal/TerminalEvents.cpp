#include "terminal/TerminalEvents.h"

#include <curses.h>
#include <poll.h>

#include <ctime>

#include "terminal/Console.h"
#include "terminal/Input.h"

namespace {

// Ctrl+Z, which a terminal that is not raw turns into the stop signal.
constexpr int kSuspendKey = 26;

}  // namespace

TerminalEvents::TerminalEvents(int terminal) : m_terminal(terminal), m_clock(std::chrono::steady_clock::now()) {}

Event TerminalEvents::Next() {
    while (JobSignals::Ending() == 0) {
        Event event;
        if (JobSignals::StopAsked()) {
            Suspend();
            event.kind = EventKind::Resize;
            return event;
        }
        const auto now = std::chrono::steady_clock::now();
        m_sequences.GiveUpBy(now);
        if (m_clock.DueBy(now)) {
            m_clock.Advance(now);
            event.kind = EventKind::Tick;
            event.now = std::time(nullptr);
            return event;
        }
        // One wait for a key until the next tick.
        wtimeout(stdscr, m_clock.MillisecondsLeft(now));
        const int key = wgetch(stdscr);
        if (key != ERR) {
            if (Translate(key, event)) {
                return event;
            }
        } else if (!JobSignals::StopAsked() && !m_clock.DueBy(std::chrono::steady_clock::now()) && TerminalGone()) {
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
    ReleaseTerminal();
    m_signals.Stop();
    RetakeTerminal();
}

bool TerminalEvents::Translate(int key, Event& event) {
    if (key == KEY_RESIZE) {
        event.kind = EventKind::Resize;
        return true;
    }
    if (m_sequences.Swallows(key)) {
        return m_sequences.ReadSwallowed(key, event);
    }
    event.kind = EventKind::Key;
    if (key >= KEY_MIN) {
        event.key = key;
        event.isFunctionKey = true;
        return true;
    }
    wchar_t character = 0;
    if (!m_characters.Read(key, character)) {
        return false;
    }
    if (character == kEscapeKey) {
        return m_sequences.ReadEscape(event);
    }
    if (character == kSuspendKey && m_signals.CanStop()) {
        Suspend();
        event.kind = EventKind::Resize;
        return true;
    }
    event.key = static_cast<int>(character);
    return true;
}
