#pragma once

#include <windows.h>

#include "framework/CString.h"

// The game's texts are Windows-1251; the platform's W functions take UTF-16. Every text the game
// shows fits a buffer of this many characters, the terminator included; a longer one is cut.
constexpr UINT kGameCodePage = 1251;
constexpr int kTextCapacity = 512;
static_assert(kTextCapacity > MAX_PATH, "a program's path fits");

// A text in UTF-16, in a buffer of its own, on its way to the platform.
class WideText {
public:
    const wchar_t* c_str() const { return m_text; }

private:
    friend WideText Widen(const char* text);

    wchar_t m_text[kTextCapacity];
};

// A null text is an empty one. Each byte of the code page is one UTF-16 character.
WideText Widen(const char* text);
CString Narrow(const wchar_t* text);
