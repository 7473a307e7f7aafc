#pragma once

#include <cwchar>

// Typed bytes as characters of the locale's character set, read from the current curses screen
// and decoded by the C library one byte at a time, so that a byte that is no character loses only
// itself (curses' own wide reading swallows a dozen bytes after it).
class CharacterReader {
public:
    // The character that the byte begins, with the bytes that came with it; false for bytes
    // that are no character.
    bool Read(int byte, wchar_t& character);

private:
    // Whether the byte ends a character, which it gives.
    bool Decode(int byte, wchar_t& character);

    std::mbstate_t m_shift{};
};
