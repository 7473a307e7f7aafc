#pragma once

#include <string>
#include <vector>

// Texts laid out in terminal cells.

// Cells the text takes on the screen.
int CellWidth(const std::wstring& text);

// How many characters from the text's start take at most the width.
std::size_t FittingHead(const std::wstring& text, int width);

// A blank that holds the words on either side of it together, as in a figure such as "80 x 24".
constexpr wchar_t kNoBreakSpace = L'\u00A0';

// The text cut into lines of at most the width, between words where it can be; a line feed
// always starts a new line. No-break spaces join words, and show as blanks.
std::vector<std::wstring> WrapWords(const std::wstring& text, int width);

// The cells of a column of rows, top to bottom, filled from the bottom to the part of the whole:
// full blocks, then where the filling ends an eighths block (U+2581 to U+2587) when eighths can
// show, and blanks. Anything above nothing shows, and only the whole shows full.
std::wstring FilledColumn(int part, int whole, int rows, bool eighths);

// The blocks that fill the lowest eighth of a cell, two eighths, and so on to the full block.
constexpr wchar_t kBlocks[] = L"\u2581\u2582\u2583\u2584\u2585\u2586\u2587\u2588";
constexpr int kEighths = 8;
constexpr wchar_t kFullBlock = kBlocks[kEighths - 1];

// Tabs widened to the next stop of eight cells, as a static text shows them.
std::wstring ExpandTabs(const std::wstring& text);
