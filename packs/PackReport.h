#pragma once

#include <string>
#include <string_view>

#include "packs/PackFile.h"
#include "packs/QuestionPack.h"

// A problem as compilers write theirs, so that editors can jump to it:
// "quiz.txt:12:41: error: the question is 72 characters long; ...".
std::string ProblemLine(std::string_view file, const PackProblem& problem);

// What the game took the file for and what it can play from it:
// "quiz.txt: Aiken, UTF-8; 120 questions, 2 left out; Easy 40, Hard 38, Logic 40".
std::string SummaryLine(std::string_view file, const QuestionPack& pack);

// A file that was not read, in the same form: "quiz.txt: error: there is no such file".
std::string FileFaultLine(std::string_view file, FileFault fault);

// What a box tells of a pack as it loads: its problems, no more than listed of them and then how
// many more there are, and after a blank line the summary.
std::string BoxReport(std::string_view file, const QuestionPack& pack, std::size_t listed);

// Said when a pack can play no level at all.
inline constexpr char kPackRefused[] = "no level can be played from this pack; the game plays its own questions";
