#include "play/KeyMap.h"

#include "res/GameKeys.h"
#include "res/resource.h"

namespace {

struct KeyBinding {
    char32_t letter;  // small
    bool ctrl;
    int command;
};

#define ANSWER_KEY(letter, command) {letter[0] - 'A' + U'a', false, command},
#define LEVEL_KEY(letter, command) {letter[0] - 'A' + U'a', true, command},
constexpr KeyBinding kGameKeys[] = {MENDO_GAME_KEYS(ANSWER_KEY, LEVEL_KEY)};
#undef ANSWER_KEY
#undef LEVEL_KEY

// The same letters where the Bulgarian phonetic layout has them: а б ц д for A B C D, г for G.
struct PhoneticLetter {
    char32_t latin, cyrillic;
};
constexpr PhoneticLetter kPhonetic[] = {{U'a', U'а'}, {U'b', U'б'}, {U'c', U'ц'}, {U'd', U'д'}, {U'g', U'г'}};

// The helps by the first digit of their price.
constexpr char32_t kRemoveKey = U'1';
constexpr char32_t kRevealKey = U'5';
constexpr char32_t kMenuKey = U'g';
constexpr char32_t kAboutKey = U'a';
constexpr char32_t kSpace = U' ';

constexpr char32_t kLatinCapitalA = U'A';
constexpr char32_t kLatinCapitalZ = U'Z';
constexpr char32_t kCyrillicCapitalA = U'А';
constexpr char32_t kCyrillicCapitalYa = U'Я';
constexpr char32_t kToSmall = U'a' - U'A';
static_assert(U'а' - U'А' == kToSmall, "both alphabets lie 32 apart between capitals and small letters");

// The Latin letter a typed letter stands for, in either layout.
char32_t LatinLetter(char32_t character) {
    const char32_t small = SmallLetter(character);
    for (const PhoneticLetter& letter : kPhonetic) {
        if (small == letter.cyrillic) {
            return letter.latin;
        }
    }
    return small;
}

bool IsPlain(const Key& key) {
    return key.name == KeyName::Character && !key.ctrl && !key.alt;
}

}  // namespace

char32_t SmallLetter(char32_t character) {
    const bool latin = character >= kLatinCapitalA && character <= kLatinCapitalZ;
    const bool cyrillic = character >= kCyrillicCapitalA && character <= kCyrillicCapitalYa;
    return latin || cyrillic ? character + kToSmall : character;
}

int CommandOfKey(const Key& key) {
    // Many terminals send Backspace as Ctrl+H: it starts a Hard game too.
    if (key.name == KeyName::Backspace && !key.alt) {
        return ID_GAME_HARD;
    }
    if (key.name != KeyName::Character) {
        return 0;
    }
    if (key.alt) {
        return !key.ctrl && LatinLetter(key.character) == kAboutKey ? ID_HELP_ABOUT : 0;
    }
    if (IsPlain(key) && key.character == kRemoveKey) {
        return ID_HINT_REMOVE;
    }
    if (IsPlain(key) && key.character == kRevealKey) {
        return ID_HINT_REVEAL;
    }
    const char32_t letter = key.ctrl ? SmallLetter(key.character) : LatinLetter(key.character);
    for (const KeyBinding& binding : kGameKeys) {
        if (binding.letter == letter && binding.ctrl == key.ctrl) {
            return binding.command;
        }
    }
    return 0;
}

bool OpensMenu(const Key& key, MenuTitle& title) {
    if (key.name == KeyName::MenuBar && !key.alt) {
        title = MenuTitle::Game;
        return true;
    }
    if (key.name != KeyName::Character || !key.alt || key.ctrl) {
        return false;
    }
    if (LatinLetter(key.character) == kMenuKey) {
        title = MenuTitle::Game;
        return true;
    }
    if (key.character == kSpace) {
        title = MenuTitle::Window;
        return true;
    }
    return false;
}
