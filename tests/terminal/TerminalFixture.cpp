#include "TerminalFixture.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "terminal/Ink.h"

SCREEN* TerminalFixture::s_screen = nullptr;

void TerminalFixture::SetUpTestSuite() {
    if (s_screen != nullptr) {
        return;
    }
    std::setlocale(LC_ALL, "C.UTF-8");
    setenv("TZ", "UTC0", 1);
    tzset();
    FILE* output = std::fopen("/dev/null", "w");
    FILE* input = std::fopen("/dev/null", "r");
    s_screen = newterm("xterm-256color", output, input);
    SetUpInks();
}

void TerminalFixture::SetUp() {
    set_term(s_screen);
    resizeterm(kScreenLines, kScreenColumns);
    CTriviaGame::s_lastRemoved = 0;
}

std::wstring TerminalFixture::Row(int y) const {
    wchar_t line[kScreenColumns + 1] = L"";
    mvwinnwstr(curscr, OriginY() + y, OriginX(), line, kScreenColumns);
    std::wstring text = line;
    text.erase(text.find_last_not_of(L' ') + 1);
    return text;
}

std::wstring TerminalFixture::Screen() const {
    std::wstring screen;
    for (int y = 0; y < kScreenLines; ++y) {
        screen += Row(y) + L"\n";
    }
    return screen;
}

attr_t TerminalFixture::AttributesAt(int y, int x) const {
    cchar_t cell;
    mvwin_wch(curscr, OriginY() + y, OriginX() + x, &cell);
    wchar_t text[CCHARW_MAX + 1];
    attr_t attributes = 0;
    short pair = 0;
    getcchar(&cell, text, &attributes, &pair, nullptr);
    return attributes | COLOR_PAIR(pair);
}

std::wstring TerminalFixture::Cells(int y, int x, int width) const {
    const std::wstring row = Row(y);
    if (static_cast<std::size_t>(x) >= row.size()) {
        return L"";
    }
    std::wstring cells = row.substr(x, width);
    cells.erase(cells.find_last_not_of(L' ') + 1);
    return cells;
}

std::wstring TerminalFixture::QuestionShown() const {
    std::wstring question;
    for (int y = 3; y < 6; ++y) {
        std::wstring line = Cells(y, 7, 66);
        line.erase(0, line.find_first_not_of(L' '));
        if (!line.empty()) {
            question += (question.empty() ? L"" : L" ") + line;
        }
    }
    return question;
}
