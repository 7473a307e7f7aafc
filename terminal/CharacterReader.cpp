#include "terminal/CharacterReader.h"

#include <curses.h>

namespace {

// What the C library tells of a byte: no character, or one that goes on.
constexpr std::size_t kNoCharacter = static_cast<std::size_t>(-1);
constexpr std::size_t kCharacterGoesOn = static_cast<std::size_t>(-2);

}  // namespace

bool CharacterReader::Read(int byte, wchar_t& character) {
    while (!Decode(byte, character)) {
        if (std::mbsinit(&m_shift) != 0) {
            return false;
        }
        byte = wgetch(stdscr);
        if (byte == ERR || byte >= KEY_MIN) {
            if (byte != ERR) {
                ungetch(byte);
            }
            m_shift = std::mbstate_t{};
            return false;
        }
    }
    return true;
}

bool CharacterReader::Decode(int byte, wchar_t& character) {
    const char piece = static_cast<char>(byte);
    const bool fresh = std::mbsinit(&m_shift) != 0;
    std::size_t length = std::mbrtowc(&character, &piece, 1, &m_shift);
    if (length == kNoCharacter && !fresh) {
        // The byte cut a character short: it may begin one of its own.
        m_shift = std::mbstate_t{};
        length = std::mbrtowc(&character, &piece, 1, &m_shift);
    }
    if (length == kNoCharacter) {
        m_shift = std::mbstate_t{};
        return false;
    }
    return length != kCharacterGoesOn;
}
