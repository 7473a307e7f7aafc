#pragma once

#include <string>

// The game keeps its texts in Windows-1251; the terminal shows wide characters.

std::wstring ToWide(const char* cp1251);

// What the player typed, one Windows-1251 byte a character: a character that has none is '?'.
std::string ToCp1251(const std::wstring& typed);

// A text in the locale's character set, as the program's name comes; a byte that is no
// character there is '?'.
std::wstring FromLocale(const char* text);

// Whether the character set of the locale in force can show every Cyrillic letter the game has.
bool LocaleShowsCyrillic();

// Whether the character set of the locale in force has every one of the characters.
bool LocaleShows(const std::wstring& characters);
