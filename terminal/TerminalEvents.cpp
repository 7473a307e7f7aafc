#include "terminal/TerminalEvents.h"

#include <curses.h>
#include <poll.h>
#include <unistd.h>

#include <csignal>
#include <ctime>

#include "terminal/Input.h"

namespace {

constexpr std::chrono::milliseconds kTickPeriod(100);
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t g_endingSignal = 0;

void OnEndingSignal(int signal) {
    g_endingSignal = signal;
}

}  // namespace

TerminalEvents::TerminalEvents() : m_nextTick(std::chrono::steady_clock::now()) {
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
    Event event;
    while (g_endingSignal == 0) {
        wint_t key = 0;
        const int result = wget_wch(stdscr, &key);
        if (result != ERR) {
            if (Translate(result, key, event)) {
                return event;
            }
            continue;
        }
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
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(m_nextTick - now).count() + 1;
        pollfd input = {STDIN_FILENO, POLLIN, 0};
        if (poll(&input, 1, static_cast<int>(wait)) > 0 && (input.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            break;  // the terminal has gone
        }
    }
    event.kind = EventKind::Quit;
    return event;
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
    event.kind = EventKind::Key;
    event.key = static_cast<int>(key);
    event.isFunctionKey = result == KEY_CODE_YES;
    event.alt = false;
    if (!event.isFunctionKey && event.key == kEscapeKey) {
        // Terminals send Alt with a key as Esc and that key at once.
        wint_t next = 0;
        const int following = wget_wch(stdscr, &next);
        if (following != ERR) {
            event.key = static_cast<int>(next);
            event.isFunctionKey = following == KEY_CODE_YES;
            event.alt = true;
        }
    }
    return true;
}
