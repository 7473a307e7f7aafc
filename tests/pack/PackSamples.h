#pragma once

#include <string>
#include <vector>

#include "packs/PackReport.h"
#include "packs/QuestionPack.h"

// Packs written for the tests. The sources are compiled to Windows-1251, so the packs' own
// UTF-8 is written with u8 literals; what the game holds is compared with plain ones.

// All the bytes of a literal, the zeros in it too.
template <std::size_t N>
std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

// One Aiken question: u8 texts, the right answer's letter.
inline std::string AikenQuestion(const std::string& question, const std::string& a, const std::string& b,
                                 const std::string& c, const std::string& d, char right = 'A') {
    return question + "\nA) " + a + "\nB) " + b + "\nC) " + c + "\nD) " + d + "\nANSWER: " + right + "\n\n";
}

// n questions that keep every limit, numbered from first so that each differs.
inline std::string AikenQuestions(int n, int first = 1) {
    std::string text;
    for (int i = first; i < first + n; ++i) {
        const std::string number = std::to_string(i);
        text += AikenQuestion(u8"Колко е " + number, number, number + "0", number + "00", number + "000", 'A');
    }
    return text;
}

// The problems as the checker prints them, without the file's name: "12:41: error: ...", and
// "error: ..." for what belongs to the whole file.
inline std::vector<std::string> ProblemLines(const QuestionPack& pack) {
    std::vector<std::string> lines;
    for (const PackProblem& problem : pack.Problems()) {
        const std::string line = ProblemLine("", problem);
        lines.push_back(line.substr(line.compare(0, 2, ": ") == 0 ? 2 : 1));
    }
    return lines;
}

// Entry i of a level as the game holds it.
inline PoolEntry EntryOf(const QuestionPack& pack, PackLevel level = PackLevel::Easy, int i = 0) {
    PoolEntry entry;
    pack.CopyEntry(level, i, entry);
    return entry;
}

inline std::string HeldQuestion(const QuestionPack& pack, PackLevel level, int i) {
    return EntryOf(pack, level, i).szQuestion;
}
