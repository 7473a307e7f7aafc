#include "terminal/TextLayout.h"

#include <algorithm>
#include <cwchar>

namespace {

constexpr int kTabStop = 8;

int CharacterWidth(wchar_t character) {
    const int width = wcwidth(character);
    return width < 0 ? 1 : width;
}

// The longest head of the text that fits the width, ending at a blank if one is near enough.
std::size_t FittingLength(const std::wstring& text, int width) {
    const std::size_t length = FittingHead(text, width);
    if (length == text.size()) {
        return length;
    }
    const std::size_t blank = text.rfind(L' ', length);
    return blank != std::wstring::npos && blank > 0 ? blank : (length > 0 ? length : 1);
}

}  // namespace

int CellWidth(const std::wstring& text) {
    int cells = 0;
    for (wchar_t character : text) {
        cells += CharacterWidth(character);
    }
    return cells;
}

std::size_t FittingHead(const std::wstring& text, int width) {
    int cells = 0;
    std::size_t length = 0;
    while (length < text.size() && cells + CharacterWidth(text[length]) <= width) {
        cells += CharacterWidth(text[length]);
        ++length;
    }
    return length;
}

std::vector<std::wstring> WrapWords(const std::wstring& text, int width) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) {
            end = text.size();
        }
        std::wstring paragraph = text.substr(start, end - start);
        do {
            const std::size_t length = FittingLength(paragraph, width);
            lines.push_back(paragraph.substr(0, length));
            paragraph.erase(0, length);
            if (!paragraph.empty() && paragraph[0] == L' ' && !lines.back().empty()) {
                paragraph.erase(0, 1);
            }
        } while (!paragraph.empty());
        start = end + 1;
    }
    for (std::wstring& line : lines) {
        std::replace(line.begin(), line.end(), kNoBreakSpace, L' ');
    }
    return lines;
}

std::wstring FilledColumn(int part, int whole, int rows, bool eighths) {
    const int steps = eighths ? kEighths : 1;
    const int units = rows * steps;
    part = std::clamp(part, 0, whole);
    // The nearest unit, but never empty above nothing or full below the whole.
    int filled = (2 * part * units + whole) / (2 * whole);
    if (part > 0) {
        filled = std::max(filled, 1);
    }
    if (part < whole) {
        filled = std::min(filled, units - 1);
    }
    std::wstring column(rows, L' ');
    for (int row = 0; row < rows; ++row) {
        const int inCell = std::clamp(filled - (rows - 1 - row) * steps, 0, steps);
        if (inCell > 0) {
            column[row] = eighths ? kBlocks[inCell - 1] : kFullBlock;
        }
    }
    return column;
}

std::wstring ExpandTabs(const std::wstring& text) {
    std::wstring expanded;
    for (wchar_t character : text) {
        if (character != L'\t') {
            expanded += character;
            continue;
        }
        do {
            expanded += L' ';
        } while (CellWidth(expanded) % kTabStop != 0);
    }
    return expanded;
}
