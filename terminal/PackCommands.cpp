#include "terminal/PackCommands.h"

#include <unistd.h>

#include <cstdio>

#include "packs/PackExport.h"
#include "packs/PackReport.h"
#include "terminal/PackFile.h"

namespace {

const char kGoOn[] = "Press Enter to play with the questions that loaded, or Ctrl+C to stop.";
const char kGoOnWithOwn[] = "Press Enter to play the game's own questions, or Ctrl+C to stop.";

// The file read as a pack, or false with why it was not said after the file's name.
bool Read(const std::string& file, QuestionPack& pack, std::FILE* out) {
    std::string bytes;
    const FileFault fault = ReadPackFile(file.c_str(), bytes);
    if (fault != FileFault::None) {
        std::fprintf(out, "%s\n", FileFaultLine(file, fault).c_str());
        return false;
    }
    pack = QuestionPack::Read(bytes);
    return true;
}

void Tell(const std::string& file, const QuestionPack& pack, std::FILE* out) {
    for (const PackProblem& problem : pack.Problems()) {
        std::fprintf(out, "%s\n", ProblemLine(file, problem).c_str());
    }
    std::fprintf(out, "%s\n", SummaryLine(file, pack).c_str());
}

}  // namespace

int CheckPacks(const std::vector<std::string>& files) {
    int status = kPackClean;
    for (const std::string& file : files) {
        QuestionPack pack;
        if (!Read(file, pack, stdout)) {
            status = kPackUnreadable;
            continue;
        }
        Tell(file, pack, stdout);
        if (pack.HasErrors() && status == kPackClean) {
            status = kPackFaulty;
        }
    }
    return status;
}

void ExportQuestions(std::optional<PackLevel> level) {
    const std::string pack = ExportPools(level);
    std::fwrite(pack.data(), 1, pack.size(), stdout);
}

std::optional<PackLevel> ExportLevel(const std::string& word) {
    for (PackLevel level : {PackLevel::Easy, PackLevel::Hard, PackLevel::Logic}) {
        std::string name = LevelName(level);
        for (char& c : name) {
            c = static_cast<char>(c | 0x20);
        }
        if (word == name) {
            return level;
        }
    }
    return std::nullopt;
}

bool ReadPackToPlay(const std::string& program, const std::string& file, QuestionPack& pack) {
    if (!Read(file, pack, stderr)) {
        return false;
    }
    if (pack.Problems().empty()) {
        return true;
    }
    Tell(file, pack, stderr);
    if (!pack.PlaysAnyLevel()) {
        std::fprintf(stderr, "%s: %s: %s\n", program.c_str(), file.c_str(), kPackRefused);
    }
    // The game's screen would cover what was said: someone at the terminal reads it first.
    if (isatty(STDIN_FILENO) != 0 && isatty(STDERR_FILENO) != 0) {
        std::fprintf(stderr, "%s\n", pack.PlaysAnyLevel() ? kGoOn : kGoOnWithOwn);
        for (int c = std::getchar(); c != '\n' && c != EOF; c = std::getchar()) {
        }
    }
    return true;
}

std::string PackName(const std::string& file) {
    return file.substr(file.find_last_of('/') + 1);
}
