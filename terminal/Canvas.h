#pragma once

#include <curses.h>

#include <string>

#include "terminal/Ink.h"

// The game's screen of 80 x 24 cells; every position here is within it.
constexpr int kScreenLines = 24;
constexpr int kScreenColumns = 80;

enum class Align { Left, Centre };

struct Rect {
    int y, x, lines, columns;
    bool Holds(int py, int px) const { return py >= y && py < y + lines && px >= x && px < x + columns; }
};

constexpr Rect kWholeScreen = {0, 0, kScreenLines, kScreenColumns};

// Drawing on a curses window that covers a place of the game's screen, at the game's positions.
class Canvas {
public:
    Canvas(WINDOW* window, const Rect& place) : m_window(window), m_place(place) {}

    // The text in the ink, filling the width with blanks (cut if longer).
    void PutText(int y, int x, const std::wstring& text, int width, Ink ink, Align align = Align::Left) const;
    void PutCharacters(int y, int x, const std::wstring& text, Ink ink) const;
    void Fill(const Rect& rect, Ink ink) const;
    // A line frame along the edge of the rectangle.
    void Frame(const Rect& rect, Ink ink) const;
    // A line across the frame at the row, joined to its sides.
    void FrameDivider(const Rect& rect, int y, Ink ink) const;

private:
    void PutSymbol(int y, int x, const cchar_t* symbol, Ink ink) const;

    WINDOW* m_window;
    Rect m_place;
};
