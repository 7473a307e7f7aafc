#include "framework/CommandLineWords.h"

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

const wchar_t* SkipBlanks(const wchar_t* line) {
    while (IsBlank(*line)) {
        ++line;
    }
    return line;
}

}  // namespace

// In the program's name a quote only opens or closes the quoted part; a backslash is a folder's.
const wchar_t* AfterProgramName(const wchar_t* line) {
    if (line == nullptr) {
        return L"";
    }
    bool quoted = false;
    for (; *line != L'\0' && (quoted || !IsBlank(*line)); ++line) {
        quoted = *line == L'"' ? !quoted : quoted;
    }
    return SkipBlanks(line);
}

// Backslashes count only before a quote: 2n of them are n and the quote opens or closes, 2n + 1
// are n and a quote of the word. Two quotes within quotes are one of the word.
const wchar_t* NextWord(const wchar_t* line, std::wstring& word) {
    word.clear();
    line = SkipBlanks(line);
    if (*line == L'\0') {
        return nullptr;
    }
    bool quoted = false;
    while (*line != L'\0' && (quoted || !IsBlank(*line))) {
        if (*line == L'\\') {
            std::size_t backslashes = 0;
            for (; *line == L'\\'; ++line) {
                ++backslashes;
            }
            if (*line != L'"') {
                word.append(backslashes, L'\\');
                continue;
            }
            word.append(backslashes / 2, L'\\');
            if (backslashes % 2 != 0) {
                word += L'"';
                ++line;
            }
        } else if (*line == L'"') {
            if (quoted && line[1] == L'"') {
                word += L'"';
                line += 2;
            } else {
                quoted = !quoted;
                ++line;
            }
        } else {
            word += *line++;
        }
    }
    return line;
}
