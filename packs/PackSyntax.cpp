#include "packs/PackSyntax.h"

#include <cstdio>
#include <string>

namespace {

bool IsBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\v' || c == U'\f';
}

char32_t Small(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

}  // namespace

Span WholeLine(const std::vector<SourceCharacter>& characters) {
    return {characters.data(), characters.data() + characters.size()};
}

Span Trimmed(Span span) {
    while (!span.empty() && IsBlank(span.begin->code)) {
        ++span.begin;
    }
    while (!span.empty() && IsBlank((span.end - 1)->code)) {
        --span.end;
    }
    return span;
}

bool IsWord(Span span, const char* word) {
    std::size_t i = 0;
    for (; word[i] != '\0'; ++i) {
        if (i >= span.size() || Small(span[i]) != Small(static_cast<unsigned char>(word[i]))) {
            return false;
        }
    }
    return i == span.size();
}

bool LevelOfWord(Span span, PackLevel& level) {
    for (PackLevel each : {PackLevel::Easy, PackLevel::Hard, PackLevel::Logic}) {
        if (IsWord(span, LevelName(each))) {
            level = each;
            return true;
        }
    }
    return false;
}

void SetText(WrittenText& text, Span span, int line, int emptyColumn) {
    text.line = line;
    text.column = span.empty() ? emptyColumn : span.begin->column;
    text.characters.assign(span.begin, span.end);
}

std::string CharacterName(char32_t code) {
    if (code > U' ' && code < 0x7F) {
        return std::string(1, static_cast<char>(code));
    }
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
    return name;
}

const char* LevelName(PackLevel level) {
    switch (level) {
        case PackLevel::Easy: return "Easy";
        case PackLevel::Hard: return "Hard";
        case PackLevel::Logic: return "Logic";
    }
    return "";
}
