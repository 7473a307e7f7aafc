#pragma once

#include <optional>
#include <string>
#include <vector>

#include "packs/PackLevel.h"
#include "packs/QuestionPack.h"

// What the terminal's program does with packs of questions, none of which needs a terminal.

// The statuses of a check, as compilers have them: every question usable and every level the
// pack names playable; a problem in a pack; a file that cannot be read.
constexpr int kPackClean = 0;
constexpr int kPackFaulty = 1;
constexpr int kPackUnreadable = 2;

// Reads each file as the game would and prints, on standard output, a line for every problem in
// the form compilers use, then a line that sums the file up. Returns the worst status.
int CheckPacks(const std::vector<std::string>& files);

// Writes the game's own questions to standard output as an Aiken pack: all three levels under
// their marks, or one level alone.
void ExportQuestions(std::optional<PackLevel> level);

// The level a word of --export-questions names: "easy", "hard" or "logic".
std::optional<PackLevel> ExportLevel(const std::string& word);

// Reads the pack to play and tells its problems on standard error before the game's screen
// opens, waiting for Enter when someone at a terminal should read them. False when the file
// cannot be read.
bool ReadPackToPlay(const std::string& program, const std::string& file, QuestionPack& pack);

// The file's name without its folder, as the game's title shows it.
std::string PackName(const std::string& file);
