#include "terminal/Console.h"

#include <term.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "terminal/Ink.h"
#include "terminal/Terminfo.h"

namespace {

// An Esc with more this soon after it is a key's sequence or Alt with a key: long enough for a
// sequence that a slow line splits.
constexpr int kEscapeDelayMs = 100;

// The terminal marks what is pasted, so that a paste is not taken for keys.
const char kPasteMarksOn[] = "\033[?2004h";
const char kPasteMarksOff[] = "\033[?2004l";

// The terminal reports the buttons going down and up, in the coding that has no limit of cells.
const char kMouseOn[] = "\033[?1000h\033[?1006h";
const char kMouseOff[] = "\033[?1006l\033[?1000l";

// The signals whose default is to end the program with a core dump: the game cannot go on
// after most of them, so their handler puts the terminal back at once, then the signal ends the
// game as it would have.
constexpr int kFaultSignals[] = {SIGQUIT, SIGILL, SIGTRAP, SIGABRT, SIGBUS, SIGFPE, SIGSEGV, SIGSYS, SIGXCPU, SIGXFSZ};
// Room for the handler when the stack itself overflowed.
constexpr std::size_t kFaultStackSize = 64 * 1024;
alignas(16) char g_faultStack[kFaultStackSize];

// What puts the terminal back, made before it is needed: a fault's handler can only write it.
constexpr std::size_t kMostRestoreBytes = 512;
char g_restore[kMostRestoreBytes];
std::size_t g_restoreLength = 0;
termios g_shellModes;
bool g_haveShellModes = false;

void Send(const char* sequence) {
    std::fputs(sequence, stdout);
    std::fflush(stdout);
}

// The terminal has a screen of its own for programs, which leaving gives the shell's back.
bool HasAlternateScreen() {
    return TerminalHas("rmcup");
}

// Whether the terminal reports the mouse, as its description says.
bool HasMouse() {
    return TerminalHas("kmous");
}

std::string MouseOn() {
    return HasMouse() ? kMouseOn : "";
}

std::string MouseOff() {
    return HasMouse() ? kMouseOff : "";
}

// The bytes that put the terminal back: paste marks and the mouse off, plain text, the keypad
// as it was, the cursor shown, and the shell's screen; a terminal without a screen of its own is
// left blank.
std::string RestoreBytes() {
    return kPasteMarksOff + MouseOff() + Capability("sgr0") + Capability("op") + Capability("rmkx") +
           Capability("cnorm") + (HasAlternateScreen() ? Capability("rmcup") : Capability("clear"));
}

void RememberShellModes() {
    g_haveShellModes = tcgetattr(STDOUT_FILENO, &g_shellModes) == 0;
}

void OnFault(int signal) {
    // Only what is safe in a handler: writes and the terminal's modes.
    ssize_t written = write(STDOUT_FILENO, g_restore, g_restoreLength);
    (void)written;
    if (g_haveShellModes) {
        tcsetattr(STDOUT_FILENO, TCSANOW, &g_shellModes);
    }
    // The handler was reset and the signal is not held back: it ends the game now, as it would have.
    raise(signal);
}

}  // namespace

TerminalFault CheckTerminal() {
    const char* const type = std::getenv("TERM");
    if (type == nullptr || type[0] == '\0') {
        return TerminalFault::Unset;
    }
    int status = 0;
    if (setupterm(type, STDOUT_FILENO, &status) != OK) {
        // 1 is a hard copy; 0 no description, or only a generic one; -1 no terminfo at all.
        return status == 1 ? TerminalFault::CannotAddress : TerminalFault::Unknown;
    }
    const bool addressable = tigetflag("hc") <= 0 && tigetflag("gn") <= 0 && TerminalHas("cup");
    del_curterm(cur_term);
    return addressable ? TerminalFault::None : TerminalFault::CannotAddress;
}

void SetUpScreen() {
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    curs_set(0);
    set_escdelay(kEscapeDelayMs);
    // The game reads the mouse's reports itself.
    keyok(KEY_MOUSE, FALSE);
    SetUpInks();
}

void ReleaseTerminal() {
    Send(MouseOff().c_str());
    Send(kPasteMarksOff);
    endwin();
    if (!HasAlternateScreen()) {
        // The game's screen would stay under the shell's prompt.
        Send(Capability("clear").c_str());
    }
}

void RetakeTerminal() {
    // What the player set in the shell meanwhile stays when the game ends.
    def_shell_mode();
    RememberShellModes();
    Send(kPasteMarksOn);
    Send(MouseOn().c_str());
}

Console::Console() {
    RememberShellModes();
    m_screen = newterm(nullptr, stdout, stdin);
    if (m_screen == nullptr) {
        return;
    }
    SetUpScreen();
    Send(kPasteMarksOn);
    Send(MouseOn().c_str());

    const std::string restore = RestoreBytes();
    g_restoreLength = std::min(restore.size(), sizeof g_restore);
    std::memcpy(g_restore, restore.data(), g_restoreLength);
    stack_t stack = {};
    stack.ss_sp = g_faultStack;
    stack.ss_size = sizeof g_faultStack;
    sigaltstack(&stack, nullptr);
    struct sigaction action = {};
    action.sa_handler = OnFault;
    action.sa_flags = SA_RESETHAND | SA_NODEFER | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : kFaultSignals) {
        // A signal that someone else handles or ignores is left to them.
        struct sigaction before = {};
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_DFL) {
            sigaction(signal, &action, nullptr);
            m_caught.push_back(signal);
        }
    }
}

Console::~Console() {
    if (m_screen == nullptr) {
        return;
    }
    for (int signal : m_caught) {
        std::signal(signal, SIG_DFL);
    }
    ReleaseTerminal();
    delscreen(m_screen);
}
