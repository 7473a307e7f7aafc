#pragma once

#include <string>
#include <vector>

#include "engine/RoundRecord.h"
#include "packs/PackSyntax.h"
#include "packs/WrittenQuestion.h"

// A question as the game keeps it: its texts in Windows-1251, the question without the
// question mark that the game adds when it shows it.
struct HeldTexts {
    std::string question;
    std::string answers[kAnswerCount];
};

// The limits every question of the game keeps, because its record and its screens are made for
// them: the question at most 58 characters before the "?" the game adds (59 when it ends with
// ":" or "."), each answer 1 to 29 characters, four different answers, and only characters that
// Windows-1251 has. HTML entities, as some exporters write them, are the characters they stand
// for. A closing "?" of the question is the game's own and is not kept.
class PackRules {
public:
    // The question's texts as the game keeps them, or false with its problems told.
    bool Hold(const WrittenQuestion& written, PackProblems& problems, HeldTexts& held);

private:
    bool HoldQuestion(const WrittenText& written, PackProblems& problems, std::string& held);
    bool HoldAnswer(int k, const WrittenText& written, PackProblems& problems, std::string& held);
    // The text with its entities decoded: the written one itself when it has none.
    Span Decoded(const WrittenText& written);
    // The characters in the game's bytes, or false with the first one that has none told.
    // k names the text: an answer from 0, the question when negative.
    bool InCodePage(Span text, int line, int k, PackProblems& problems, std::string& held);

    std::vector<SourceCharacter> m_decoded;
};
