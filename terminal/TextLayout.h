#pragma once

#include <string>
#include <vector>

// Texts laid out in terminal cells.

// Cells the text takes on the screen.
int CellWidth(const std::wstring& text);

// How many characters from the text's start take at most the width.
std::size_t FittingHead(const std::wstring& text, int width);

// The text cut into lines of at most the width, between words where it can be; a line feed
// always starts a new line.
std::vector<std::wstring> WrapWords(const std::wstring& text, int width);

// Tabs widened to the next stop of eight cells, as a static text shows them.
std::wstring ExpandTabs(const std::wstring& text);
