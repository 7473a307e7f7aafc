#pragma once

// The game keeps its texts in Windows-1251, one byte a character; a pack is read as Unicode
// characters and kept in the game's bytes.

// The character of a byte; 0 for 0x98, the one byte the code page leaves without a character.
char32_t CharacterOf1251(unsigned char byte);

// The byte of a character, or false when the code page has no such character.
bool ByteOf1251(char32_t character, unsigned char& byte);
