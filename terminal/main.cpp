#include <unistd.h>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <string>

#include "terminal/Charset.h"
#include "terminal/Console.h"
#include "terminal/Frontend.h"
#include "terminal/TerminalEvents.h"

namespace {

constexpr int kCannotRun = 2;
const char kDefaultPath[] = "mendo";  // when the program is started without a name

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

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const char* const path = argc > 0 && argv[0] != nullptr && argv[0][0] != '\0' ? argv[0] : kDefaultPath;
    const std::string name = ProgramName(path);
    if (!LocaleShowsCyrillic()) {
        std::fprintf(stderr,
                     "%s: this terminal's character set has no Cyrillic letters, and the game is in Bulgarian.\n"
                     "Start it in a UTF-8 locale, for example: LC_ALL=C.UTF-8 %s\n",
                     name.c_str(), path);
        return kCannotRun;
    }
    if (isatty(STDIN_FILENO) == 0 || isatty(STDOUT_FILENO) == 0) {
        std::fprintf(stderr, "%s: the game plays in a terminal; start it in one.\n", name.c_str());
        return kCannotRun;
    }
    {
        // The signal handlers come first, so that curses leaves them to the game; they go last,
        // so that a signal while the terminal is put back is not lost.
        TerminalEvents events;
        Console console;
        Frontend frontend(events, FromLocale(name.c_str()));
        frontend.Run();
    }
    if (const int endingSignal = TerminalEvents::EndingSignal(); endingSignal != 0) {
        // The terminal is as it was: end as the signal would have ended the game.
        std::raise(endingSignal);
    }
    return 0;
}
