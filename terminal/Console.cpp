#include "terminal/Console.h"

#include <term.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
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
    m_faults.emplace(RestoreBytes());
}

Console::~Console() {
    if (m_screen == nullptr) {
        return;
    }
    m_faults.reset();
    ReleaseTerminal();
    delscreen(m_screen);
}
