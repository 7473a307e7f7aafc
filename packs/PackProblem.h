#pragma once

#include <string>
#include <vector>

enum class Severity { Error, Warning };

// What is wrong in a pack, and where: line and column count from 1 (a column is a character,
// not a byte); 0 when it belongs to the whole file. The message is plain English, without the
// file's own texts, so that it prints the same in any terminal.
struct PackProblem {
    int line = 0;
    int column = 0;
    Severity severity = Severity::Error;
    std::string message;
};

using PackProblems = std::vector<PackProblem>;
