#include <getopt.h>
#include <unistd.h>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "terminal/Charset.h"
#include "terminal/Console.h"
#include "terminal/Frontend.h"
#include "terminal/TerminalEvents.h"

namespace {

constexpr int kCannotRun = 2;
const char kDefaultPath[] = "mendo";  // when the program is started without a name
const char kVersion[] = "mendo " MENDO_VERSION "\n";
const char kUsage[] = "[-h | --help] [-V | --version]";
const char kHelp[] =
    "A multiple-choice trivia game in Bulgarian, played in a terminal of at least 80 x 24.\n"
    "Pick a level, answer 25 questions, and spend points on help; one wrong answer ends the game.\n"
    "\n"
    "Keys: A to D answer, also on the Bulgarian phonetic layout; 1 and 5 buy the -10 and -50\n"
    "helps; Ctrl+E, Ctrl+H and Ctrl+L start an Easy, Hard or Logic game; F10 or Alt+G opens the\n"
    "Game menu, Alt+A the About box; Ctrl+Z stops the game until the shell's fg; Ctrl+C ends it.\n"
    "The mouse works too.\n"
    "\n"
    "It needs a locale whose character set has Cyrillic letters, such as C.UTF-8 or bg_BG.UTF-8:\n"
    "  LC_ALL=C.UTF-8 %s\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n";
const char kTryThis[] = "start it in a terminal that can move its cursor, for example with TERM=xterm-256color.";

// The program's name, as message boxes without a caption show it: its file's name without extension.
std::string ProgramName(const char* path) {
    std::string name = path;
    name.erase(0, name.find_last_of('/') + 1);
    const std::size_t extension = name.rfind('.');
    if (extension != std::string::npos && extension > 0) {
        name.erase(extension);
    }
    return name;
}

enum class Asked { Play, Help, Version, Wrong };

// What the command line asks, read with the C library's getopt_long; a wrong one is told on stderr.
Asked ReadOptions(int argc, char** argv, const std::string& name) {
    static const option kOptions[] = {
        {"help", no_argument, nullptr, 'h'},
        {"version", no_argument, nullptr, 'V'},
        {nullptr, 0, nullptr, 0},
    };
    opterr = 0;  // the game tells of a wrong option itself, in one line
    // Help and the version are answered at once, whatever follows them.
    switch (getopt_long(argc, argv, "+hV", kOptions, nullptr)) {
        case 'h': return Asked::Help;
        case 'V': return Asked::Version;
        case -1: break;
        default: {
            // A long option is the argument before the next; a short one may stand among others.
            const char* const last = argv[optind - 1];
            const bool isLong = optopt == 0 || std::strncmp(last, "--", 2) == 0;
            const std::string wrong = isLong ? last : std::string("-") + static_cast<char>(optopt);
            std::fprintf(stderr, "%s: unknown option %s; usage: %s %s\n", name.c_str(), wrong.c_str(), name.c_str(),
                         kUsage);
            return Asked::Wrong;
        }
    }
    if (optind < argc) {
        std::fprintf(stderr, "%s: unexpected argument %s; usage: %s %s\n", name.c_str(), argv[optind], name.c_str(),
                     kUsage);
        return Asked::Wrong;
    }
    return Asked::Play;
}

// The variable that names the locale of the character type, as the C library reads them.
const char* LocaleVariable() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* const value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') {
            return variable;
        }
    }
    return "LANG";
}

// Why the game cannot play here, in a sentence that says what to do; empty when it can.
std::string Refusal(const char* path) {
    const std::string inUtf8 = std::string("for example: LC_ALL=C.UTF-8 ") + path;
    if (std::setlocale(LC_ALL, "") == nullptr && std::setlocale(LC_CTYPE, "") == nullptr) {
        // The game reads and shows characters; the other parts of the locale do not matter to it.
        const char* const variable = LocaleVariable();
        const char* const value = std::getenv(variable);
        return std::string("the locale ") + (value != nullptr ? value : "") + " that " + variable +
               " names is not installed on this system (locale -a lists those that are).\n"
               "Start the game in one that is, " +
               inUtf8;
    }
    if (!LocaleShowsCyrillic()) {
        return "this terminal's character set has no Cyrillic letters, and the game is in Bulgarian.\n"
               "Start it in a UTF-8 locale, " +
               inUtf8;
    }
    if (isatty(STDIN_FILENO) == 0 || isatty(STDOUT_FILENO) == 0) {
        return "the game plays in a terminal; start it in one.";
    }
    const TerminalFault fault = CheckTerminal();
    if (fault == TerminalFault::None) {
        return "";
    }
    if (fault == TerminalFault::Unset) {
        return std::string("TERM does not say what this terminal is; ") + kTryThis;
    }
    const std::string type = std::string("the terminal type TERM=") + std::getenv("TERM");
    switch (fault) {
        case TerminalFault::Unknown: return type + " is unknown here (terminfo has no description of it); " + kTryThis;
        case TerminalFault::CannotAddress:
            return type + " cannot move its cursor, and the game draws a screen; " + kTryThis;
        default: break;
    }
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    const char* const path = argc > 0 && argv[0] != nullptr && argv[0][0] != '\0' ? argv[0] : kDefaultPath;
    const std::string name = ProgramName(path);
    switch (ReadOptions(argc, argv, name)) {
        case Asked::Help:
            std::printf("Usage: %s %s\n", name.c_str(), kUsage);
            std::printf(kHelp, path);
            return 0;
        case Asked::Version: std::fputs(kVersion, stdout); return 0;
        case Asked::Wrong: return kCannotRun;
        case Asked::Play: break;
    }
    if (const std::string refusal = Refusal(path); !refusal.empty()) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), refusal.c_str());
        return kCannotRun;
    }
    {
        // The signal handlers come first, so that curses leaves them to the game; they go last,
        // so that a signal while the terminal is put back is not lost.
        TerminalEvents events;
        Console console;
        if (!console.Opened()) {
            std::fprintf(stderr, "%s: the terminal could not be set up for the game; %s\n", name.c_str(), kTryThis);
            return kCannotRun;
        }
        Frontend frontend(events, FromLocale(name.c_str()));
        frontend.Run();
    }
    if (const int endingSignal = TerminalEvents::EndingSignal(); endingSignal != 0) {
        // The terminal is as it was: end as the signal would have ended the game.
        std::raise(endingSignal);
    }
    return 0;
}
