#pragma once

#include <string>
#include <string_view>

// A text from outside the game, such as a file's name, may hold any character: on its way
// between the platform's UTF-16 and the UTF-8 that a pack's report is written in.
std::string Utf8(const wchar_t* text);
std::wstring WidenUtf8(std::string_view text);
