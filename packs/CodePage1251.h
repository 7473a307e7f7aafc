#pragma once

// The game keeps its texts in Windows-1251, one byte a character; a pack is read as Unicode
// characters and kept in the game's bytes.

// The character of a byte; 0 for 0x98, the one byte the code page leaves without a character.
char32_t CharacterOf1251(unsigned char byte);

// The byte of a character, or false when the code page has no such character. Most characters
// of a pack are ASCII or the Cyrillic letters, which are found at once.
bool ByteOf1251Beyond(char32_t character, unsigned char& byte);

inline bool ByteOf1251(char32_t character, unsigned char& byte) {
    if (character < 0x80) {
        byte = static_cast<unsigned char>(character);
        return true;
    }
    if (character >= U'\u0410' && character <= U'\u044F') {
        byte = static_cast<unsigned char>(0xC0 + (character - U'\u0410'));
        return true;
    }
    return ByteOf1251Beyond(character, byte);
}
