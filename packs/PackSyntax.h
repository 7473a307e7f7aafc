#pragma once

#include <cstddef>
#include <vector>

#include "packs/WrittenQuestion.h"

// A stretch of a line's characters.
struct Span {
    const SourceCharacter* begin = nullptr;
    const SourceCharacter* end = nullptr;

    std::size_t size() const { return static_cast<std::size_t>(end - begin); }
    bool empty() const { return begin == end; }
    char32_t operator[](std::size_t i) const { return begin[i].code; }
    Span From(std::size_t i) const { return {begin + i, end}; }
};

Span WholeLine(const std::vector<SourceCharacter>& characters);

// Without the spaces and tabs at either end.
Span Trimmed(Span span);

// Whether the span is the ASCII word, in capitals and small letters alike.
bool IsWord(Span span, const char* word);

// The level a word names, "Easy", "Hard" or "Logic" in any case; false for any other word.
bool LevelOfWord(Span span, PackLevel& level);

// The span as a text that starts at its place: for an empty span, the column given.
void SetText(WrittenText& text, Span span, int line, int emptyColumn);

// The character as a message names it: itself when it is plain ASCII, else its code point.
std::string CharacterName(char32_t code);
