#pragma once

// A key as the player pressed it, whatever the edition read it from.
enum class KeyName { Character, Enter, Escape, Backspace, Up, Down, Left, Right, MenuBar };

struct Key {
    KeyName name = KeyName::Character;
    char32_t character = 0;  // the typed character; a letter with Ctrl comes as its small letter
    bool ctrl = false;
    bool alt = false;
};
