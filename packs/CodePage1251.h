#pragma once

// The game keeps its texts in Windows-1251, one byte a character; a pack is read as Unicode
// characters and kept in the game's bytes.

constexpr unsigned char kFirstHigh = 0x80;          // below it, the bytes are ASCII
constexpr unsigned char kFirstCyrillicByte = 0xC0;  // А to я stand in Unicode's order from here
constexpr char32_t kFirstCyrillic = U'\u0410';
constexpr char32_t kLastCyrillic = U'\u044F';
static_assert(kFirstCyrillicByte + (kLastCyrillic - kFirstCyrillic) == 0xFF, "А to я end the code page");

// The character of a byte; 0 for 0x98, the one byte the code page leaves without a character.
char32_t CharacterOf1251(unsigned char byte);

// The byte, from 0x80 to 0xBF, of a character that is neither ASCII nor А to я; false when the
// code page has no such character.
bool ByteOf1251Beyond(char32_t character, unsigned char& byte);

// The byte of a character, or false when the code page has no such character. Most characters
// of a pack are ASCII or the Cyrillic letters, which are found at once.
inline bool ByteOf1251(char32_t character, unsigned char& byte) {
    if (character < kFirstHigh) {
        byte = static_cast<unsigned char>(character);
        return true;
    }
    if (character >= kFirstCyrillic && character <= kLastCyrillic) {
        byte = static_cast<unsigned char>(kFirstCyrillicByte + (character - kFirstCyrillic));
        return true;
    }
    return ByteOf1251Beyond(character, byte);
}
