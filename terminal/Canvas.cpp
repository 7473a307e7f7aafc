#include "terminal/Canvas.h"

#include "terminal/TextLayout.h"

void Canvas::PutSymbol(int y, int x, const cchar_t* symbol, Ink ink) const {
    wattrset(m_window, InkOf(ink));
    mvwadd_wch(m_window, y - m_place.y, x - m_place.x, symbol);
}

void Canvas::PutText(int y, int x, const std::wstring& text, int width, Ink ink, Align align) const {
    const std::wstring shown = text.substr(0, FittingHead(text, width));
    const int cells = CellWidth(shown);
    const int before = align == Align::Centre ? (width - cells) / 2 : 0;
    const std::wstring line = std::wstring(before, L' ') + shown + std::wstring(width - cells - before, L' ');
    PutCharacters(y, x, line, ink);
}

void Canvas::PutCharacters(int y, int x, const std::wstring& text, Ink ink) const {
    wattrset(m_window, InkOf(ink));
    mvwaddnwstr(m_window, y - m_place.y, x - m_place.x, text.c_str(), static_cast<int>(text.size()));
}

void Canvas::Fill(const Rect& rect, Ink ink) const {
    for (int row = 0; row < rect.lines; ++row) {
        PutCharacters(rect.y + row, rect.x, std::wstring(rect.columns, L' '), ink);
    }
}

void Canvas::Frame(const Rect& rect, Ink ink) const {
    const int bottom = rect.y + rect.lines - 1;
    const int right = rect.x + rect.columns - 1;
    for (int x = rect.x + 1; x < right; ++x) {
        PutSymbol(rect.y, x, WACS_HLINE, ink);
        PutSymbol(bottom, x, WACS_HLINE, ink);
    }
    for (int y = rect.y + 1; y < bottom; ++y) {
        PutSymbol(y, rect.x, WACS_VLINE, ink);
        PutSymbol(y, right, WACS_VLINE, ink);
    }
    PutSymbol(rect.y, rect.x, WACS_ULCORNER, ink);
    PutSymbol(rect.y, right, WACS_URCORNER, ink);
    PutSymbol(bottom, rect.x, WACS_LLCORNER, ink);
    PutSymbol(bottom, right, WACS_LRCORNER, ink);
}

void Canvas::FrameDivider(const Rect& rect, int y, Ink ink) const {
    const int right = rect.x + rect.columns - 1;
    PutSymbol(y, rect.x, WACS_LTEE, ink);
    for (int x = rect.x + 1; x < right; ++x) {
        PutSymbol(y, x, WACS_HLINE, ink);
    }
    PutSymbol(y, right, WACS_RTEE, ink);
}
