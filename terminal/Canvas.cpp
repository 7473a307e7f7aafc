#include "terminal/Canvas.h"

#include "terminal/TextLayout.h"

namespace {

int g_originY = 0;
int g_originX = 0;

void PutSymbol(int y, int x, const cchar_t* symbol, Ink ink) {
    attrset(InkOf(ink));
    mvadd_wch(g_originY + y, g_originX + x, symbol);
}

}  // namespace

void SetOrigin(int y, int x) {
    g_originY = y;
    g_originX = x;
}

int OriginY() {
    return g_originY;
}

int OriginX() {
    return g_originX;
}

void PutText(int y, int x, const std::wstring& text, int width, Ink ink, Align align) {
    std::wstring shown;
    int cells = 0;
    for (wchar_t character : text) {
        const int next = cells + CellWidth(std::wstring(1, character));
        if (next > width) {
            break;
        }
        shown += character;
        cells = next;
    }
    const int before = align == Align::Centre ? (width - cells) / 2 : 0;
    const std::wstring line = std::wstring(before, L' ') + shown + std::wstring(width - cells - before, L' ');
    PutCharacters(y, x, line, ink);
}

void PutCharacters(int y, int x, const std::wstring& text, Ink ink) {
    attrset(InkOf(ink));
    mvaddnwstr(g_originY + y, g_originX + x, text.c_str(), static_cast<int>(text.size()));
}

void Fill(const Rect& rect, Ink ink) {
    for (int row = 0; row < rect.lines; ++row) {
        PutCharacters(rect.y + row, rect.x, std::wstring(rect.columns, L' '), ink);
    }
}

void Frame(const Rect& rect, Ink ink) {
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

void FrameDivider(const Rect& rect, int y, Ink ink) {
    const int right = rect.x + rect.columns - 1;
    PutSymbol(y, rect.x, WACS_LTEE, ink);
    for (int x = rect.x + 1; x < right; ++x) {
        PutSymbol(y, x, WACS_HLINE, ink);
    }
    PutSymbol(y, right, WACS_RTEE, ink);
}
