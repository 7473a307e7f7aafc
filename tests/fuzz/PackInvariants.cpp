#include "tests/fuzz/PackInvariants.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "packs/PackReport.h"
#include "tests/fuzz/GameRules.h"

namespace {

bool HasControlOrHole(const char* text) {
    for (; *text != '\0'; ++text) {
        const unsigned char byte = static_cast<unsigned char>(*text);
        if (byte < 0x20 || byte == 0x7F || byte == 0x98) {
            return true;
        }
    }
    return false;
}

// A question and four answers the game's record holds and its screens show.
void CheckTexts(const char* question, const char (&answers)[kAnswerCount][kAnswerSize], int correct,
                bool questionMarked) {
    const std::size_t length = std::strlen(question);
    Require(length > 0, "a question is never empty");
    const char last = question[length - 1];
    const std::size_t limit = last == ':' || last == '.' || questionMarked ? kQuestionSize - 1 : kQuestionSize - 2;
    Require(length <= limit, "a question leaves room for its question mark");
    Require(!HasControlOrHole(question), "a question holds only characters the game shows");
    for (int k = 0; k < kAnswerCount; ++k) {
        const std::size_t answer = std::strlen(answers[k]);
        Require(answer > 0 && answer < kAnswerSize, "an answer has 1 to 29 characters");
        Require(!HasControlOrHole(answers[k]), "an answer holds only characters the game shows");
        for (int j = 0; j < k; ++j) {
            Require(std::strcmp(answers[j], answers[k]) != 0, "the four answers differ");
        }
    }
    Require(correct >= 1 && correct <= kAnswerCount, "the right answer is one of the four");
}

}  // namespace

void CheckPack(const QuestionPack& pack, std::string_view bytes) {
    const int lines =
        static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n') + std::count(bytes.begin(), bytes.end(), '\r')) +
        1;
    for (const PackProblem& problem : pack.Problems()) {
        Require(problem.line >= 0 && problem.line <= lines, "a problem stands on a line of the file");
        Require(problem.column >= 0 && static_cast<std::size_t>(problem.column) <= bytes.size() + 1,
                "a problem stands in its line");
        Require(!problem.message.empty(), "a problem says what it is");
        Require(!ProblemLine("f", problem).empty(), "a problem can be printed");
    }
    Require(!SummaryLine("f", pack).empty(), "the pack can be summed up");
    Require(pack.UsableCount() <= pack.WrittenCount(), "no more usable questions than written");
    Require(pack.HasErrors() || pack.UsableCount() == pack.WrittenCount(), "a question left out is told");
    for (PackLevel level : {PackLevel::Easy, PackLevel::Hard, PackLevel::Logic}) {
        const int count = pack.Count(level);
        Require(count <= pack.UsableCount(), "a level plays only usable questions");
        Require(pack.Plays(level) == (count >= kLevelQuestionsNeeded), "a level plays with a game's worth");
        Require(!pack.Names(level) || pack.Plays(level) || pack.HasErrors(), "a level too small is told");
        for (int i = 0; i < count; ++i) {
            PoolEntry entry;
            pack.CopyEntry(level, i, entry);
            CheckTexts(entry.szQuestion, entry.szAnswer, entry.nCorrect, false);
        }
    }
    Require(pack.HeldBytes() <= bytes.size() + 64 + pack.WrittenCount() * 64u, "a pack is held once");
}

void CheckPackRound(const CTriviaGame& game) {
    std::set<std::string> questions;
    for (const RoundRecord& record : game.m_round) {
        CheckTexts(record.szQuestion, record.szAnswer, record.nCorrect, true);
        Require(questions
                    .insert(std::string(record.szQuestion) + '\n' + record.szAnswer[0] + record.szAnswer[1] +
                            record.szAnswer[2] + record.szAnswer[3])
                    .second,
                "no question twice in a game");
    }
}
