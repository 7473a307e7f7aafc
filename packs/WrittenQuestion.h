#pragma once

#include <vector>

#include "engine/RoundRecord.h"
#include "packs/PackLevel.h"
#include "packs/PackLines.h"

// A text as the pack writes it: its characters with their columns, and where it stands (the
// place of an empty text is where it would have begun).
struct WrittenText {
    int line = 0;
    int column = 0;
    std::vector<SourceCharacter> characters;
};

// The levels of a question under a mark that names no level: the mark is told, the question is
// left out without a word of its own.
constexpr unsigned kUnknownLevel = 1u << kPackLevelCount;

// One question as the pack writes it, before the game's limits are checked: the question, its
// four answers A to D, the number of the right one, and the levels it plays in.
struct WrittenQuestion {
    WrittenText question;
    WrittenText answers[kAnswerCount];
    int correct = 0;
    unsigned levels = 0;  // bits of LevelBit; none when the pack names no level for it
};

// What a format's reader hands on as it reads.
class PackReading {
public:
    virtual ~PackReading() = default;
    virtual void Question(const WrittenQuestion& question) = 0;
    // A question whose shape is wrong, told already: it is left out.
    virtual void BrokenQuestion() = 0;
    // A mark that gives the questions after it to a level, or a CSV row's level.
    virtual void LevelNamed(PackLevel level, int line) = 0;
    virtual void Problem(PackProblem problem) = 0;
};
