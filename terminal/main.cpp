#include <getopt.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "terminal/Charset.h"
#include "terminal/Console.h"
#include "terminal/Frontend.h"
#include "terminal/PackCommands.h"
#include "terminal/TerminalEvents.h"

namespace {

constexpr int kCannotWrite = 1;  // the help or the version could not be written
constexpr int kCannotRun = 2;
const char kDefaultPath[] = "mendo";  // when the program is started without a name
const char kVersion[] = "mendo " MENDO_VERSION "\n";
const char kUsage[] = "[FILE] | --check FILE... | --export-questions[=LEVEL] | --help | --version";
const char kHelp[] =
    "A multiple-choice trivia game in Bulgarian, played in a terminal of at least 80 x 24.\n"
    "Pick a level, answer 25 questions, and spend points on help; one wrong answer ends the game.\n"
    "With a FILE, the game plays its questions: a pack in Moodle's Aiken format or a spreadsheet's\n"
    "CSV, in UTF-8 or Windows-1251. Its problems are told first, and the rest plays; a level the\n"
    "pack gives no questions to plays the game's own.\n"
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
    "  --check FILE...                  check each pack as the game reads it, without playing:\n"
    "                                   a line for every problem (FILE:LINE:COLUMN: error: ...)\n"
    "                                   and one that sums it up; status 0 when every question\n"
    "                                   can be played, 1 when not, 2 when a file cannot be read\n"
    "  --export-questions[=LEVEL]       write the game's own questions as an Aiken pack, all\n"
    "                                   three levels under [Easy], [Hard] and [Logic] marks,\n"
    "                                   or one LEVEL alone: easy, hard or logic\n"
    "  -h, --help                       show this help and exit\n"
    "  -V, --version                    show the version and exit\n"
    "\n"
    "Example packs are in /usr/share/games/mendo/.\n";
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

// What the command line asks the program to do.
enum class Command { Play, ShowHelp, ShowVersion, Check, Export, Wrong };

struct CommandLine {
    Command command;
    std::vector<std::string> operands;  // the arguments after the options
    std::string level;                  // what --export-questions= names, if anything
};

constexpr int kCheckOption = 256;  // long options without a letter of their own
constexpr int kExportOption = 257;

// What the command line asks, read with the C library's getopt_long; a wrong option is told on stderr.
CommandLine ReadCommandLine(int argc, char** argv, const std::string& name) {
    static const option kOptions[] = {
        {"help", no_argument, nullptr, 'h'},
        {"version", no_argument, nullptr, 'V'},
        {"check", no_argument, nullptr, kCheckOption},
        {"export-questions", optional_argument, nullptr, kExportOption},
        {nullptr, 0, nullptr, 0},
    };
    opterr = 0;  // the game tells of a wrong option itself, in one line
    // Help and the version are answered at once, whatever follows them.
    Command command = Command::Play;
    std::string level;
    switch (getopt_long(argc, argv, "+hV", kOptions, nullptr)) {
        case 'h': return {Command::ShowHelp, {}, {}};
        case 'V': return {Command::ShowVersion, {}, {}};
        case kCheckOption: command = Command::Check; break;
        case kExportOption:
            command = Command::Export;
            level = optarg != nullptr ? optarg : "";
            break;
        case -1: break;
        default: {
            // A long option is the argument before the next; a short one may stand among others.
            const char* const last = argv[optind - 1];
            const bool isLong = optopt == 0 || std::strncmp(last, "--", 2) == 0;
            const std::string wrong = isLong ? last : std::string("-") + static_cast<char>(optopt);
            std::fprintf(stderr, "%s: unknown option %s; usage: %s %s\n", name.c_str(), wrong.c_str(), name.c_str(),
                         kUsage);
            return {Command::Wrong, {}, {}};
        }
    }
    return {command, std::vector<std::string>(argv + optind, argv + argc), level};
}

// A command line that asks for something the program cannot do, told in one line.
int WrongUsage(const std::string& name, const std::string& what) {
    std::fprintf(stderr, "%s: %s; usage: %s %s\n", name.c_str(), what.c_str(), name.c_str(), kUsage);
    return kCannotRun;
}

// The status once the help or the version is written: a failure, said on stderr, when stdout
// could not take it all, as on a full disk.
int Written(const std::string& name) {
    const bool failedBefore = std::ferror(stdout) != 0;
    errno = 0;
    const bool failedNow = std::fclose(stdout) != 0;
    if (!failedBefore && !failedNow) {
        return 0;
    }
    if (failedNow && errno != 0) {
        std::fprintf(stderr, "%s: write error: %s\n", name.c_str(), std::strerror(errno));
    } else {
        std::fprintf(stderr, "%s: write error\n", name.c_str());
    }
    return kCannotWrite;
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

// The columns of the terminal that stderr shows on: 0 when stderr is no terminal or says no width.
std::size_t ErrorColumns() {
    if (isatty(STDERR_FILENO) == 0) {
        return 0;
    }
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    const char* const columns = std::getenv("COLUMNS");
    if (columns == nullptr) {
        return 0;
    }
    char* end = nullptr;
    const long value = std::strtol(columns, &end, 10);
    return end != columns && *end == '\0' && value > 0 ? static_cast<std::size_t>(value) : 0;
}

// The text in lines of at most the width, broken at blanks; a line feed starts a new line, and a
// word longer than the width has a line of its own. Bytes count as cells: the refusals are in
// ASCII, and a name in another script only makes its line shorter than it could be.
std::string WrappedAtBlanks(const std::string& text, std::size_t width) {
    std::string wrapped;
    std::size_t column = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(" \n", start), text.size());
        const std::size_t length = end - start;
        if (column > 0 && column + 1 + length > width) {
            wrapped += '\n';
            column = 0;
        } else if (column > 0) {
            wrapped += ' ';
            ++column;
        }
        wrapped.append(text, start, length);
        column += length;
        if (end < text.size() && text[end] == '\n') {
            wrapped += '\n';
            column = 0;
        }
        start = end + 1;
    }
    return wrapped;
}

// Why the game cannot run, on stderr after the program's name, fitted to the terminal's width.
void Refuse(const std::string& name, const std::string& refusal) {
    const std::string message = name + ": " + refusal;
    const std::size_t columns = ErrorColumns();
    std::fprintf(stderr, "%s\n", (columns > 0 ? WrappedAtBlanks(message, columns) : message).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const char* const path = argc > 0 && argv[0] != nullptr && argv[0][0] != '\0' ? argv[0] : kDefaultPath;
    const std::string name = ProgramName(path);
    const CommandLine asked = ReadCommandLine(argc, argv, name);
    switch (asked.command) {
        case Command::ShowHelp:
            std::printf("Usage: %s %s\n", name.c_str(), kUsage);
            std::printf(kHelp, name.c_str());
            return Written(name);
        case Command::ShowVersion: std::fputs(kVersion, stdout); return Written(name);
        case Command::Check:
            if (asked.operands.empty()) {
                return WrongUsage(name, "--check needs the files to check");
            }
            return CheckPacks(asked.operands);
        case Command::Export: {
            const std::optional<PackLevel> level = ExportLevel(asked.level);
            if (!asked.level.empty() && !level) {
                return WrongUsage(
                    name, "--export-questions names no level " + asked.level + "; the levels are easy, hard and logic");
            }
            if (!asked.operands.empty()) {
                return WrongUsage(name, "unexpected argument " + asked.operands[0]);
            }
            ExportQuestions(level);
            return Written(name);
        }
        case Command::Wrong: return kCannotRun;
        case Command::Play: break;
    }
    if (asked.operands.size() > 1) {
        return WrongUsage(name, "unexpected argument " + asked.operands[1] + "; the game plays one pack at a time");
    }
    if (const std::string refusal = Refusal(path); !refusal.empty()) {
        Refuse(name, refusal);
        return kCannotRun;
    }
    QuestionPack pack;
    const bool playsPack = !asked.operands.empty();
    if (playsPack && !ReadPackToPlay(name, asked.operands[0], pack)) {
        return kPackUnreadable;
    }
    {
        // The signal handlers come first, so that curses leaves them to the game; they go last,
        // so that a signal while the terminal is put back is not lost.
        TerminalEvents events;
        Console console;
        if (!console.Opened()) {
            Refuse(name, std::string("the terminal could not be set up for the game; ") + kTryThis);
            return kCannotRun;
        }
        Frontend frontend(events, FromLocale(name.c_str()));
        if (playsPack && pack.PlaysAnyLevel()) {
            frontend.PlayPack(pack, FromLocale(PackName(asked.operands[0]).c_str()));
        }
        frontend.Run();
    }
    if (const int endingSignal = TerminalEvents::EndingSignal(); endingSignal != 0) {
        // The terminal is as it was: end as the signal would have ended the game.
        std::raise(endingSignal);
    }
    return 0;
}
