#pragma once

#include <string>

#include "terminal/Ink.h"

// The game's screen of 80 x 24 cells, drawn on the terminal's standard screen at an origin
// that centres it; every position here is within the game's screen.
constexpr int kScreenLines = 24;
constexpr int kScreenColumns = 80;

enum class Align { Left, Centre };

struct Rect {
    int y, x, lines, columns;
    bool Holds(int py, int px) const { return py >= y && py < y + lines && px >= x && px < x + columns; }
};

// Where the game's screen stands on the terminal.
void SetOrigin(int y, int x);
int OriginY();
int OriginX();

// The text in the ink, filling the width with blanks (cut if longer).
void PutText(int y, int x, const std::wstring& text, int width, Ink ink, Align align = Align::Left);
void PutCharacters(int y, int x, const std::wstring& text, Ink ink);
void Fill(const Rect& rect, Ink ink);
// A line frame along the edge of the rectangle.
void Frame(const Rect& rect, Ink ink);
// A line across the frame at the row, joined to its sides.
void FrameDivider(const Rect& rect, int y, Ink ink);
