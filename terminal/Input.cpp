#include "terminal/Input.h"

namespace {

constexpr int kTab = 9;
constexpr int kLineFeed = 10;
constexpr int kReturn = 13;
constexpr int kDelete = 127;            // Backspace on the others
constexpr int kFirstControlLetter = 1;  // Ctrl+A
constexpr int kLastControlLetter = 26;  // Ctrl+Z

std::optional<Key> Named(KeyName name) {
    return Key{name, 0, false, false};
}

std::optional<Key> FunctionKey(int key) {
    switch (key) {
        case KEY_ENTER: return Named(KeyName::Enter);
        case KEY_BACKSPACE: return Named(KeyName::Backspace);
        case KEY_UP: return Named(KeyName::Up);
        case KEY_DOWN: return Named(KeyName::Down);
        case KEY_LEFT: return Named(KeyName::Left);
        case KEY_RIGHT: return Named(KeyName::Right);
        case kMenuBarKey: return Named(KeyName::MenuBar);
        default: return std::nullopt;
    }
}

}  // namespace

std::optional<Key> GameKey(const Event& key) {
    if (key.kind != EventKind::Key) {
        return std::nullopt;
    }
    if (key.isFunctionKey) {
        return key.alt ? std::nullopt : FunctionKey(key.key);
    }
    if (key.alt) {
        return Key{KeyName::Character, static_cast<char32_t>(key.key), false, true};
    }
    switch (key.key) {
        case kLineFeed:
        case kReturn: return Named(KeyName::Enter);
        case kEscapeKey: return Named(KeyName::Escape);
        case kDelete: return Named(KeyName::Backspace);
        case kTab: return std::nullopt;
        default: break;
    }
    // A letter with Ctrl comes as its place in the alphabet: Ctrl+H as 8.
    if (key.key >= kFirstControlLetter && key.key <= kLastControlLetter) {
        return Key{KeyName::Character, static_cast<char32_t>(U'a' + key.key - kFirstControlLetter), true, false};
    }
    return Key{KeyName::Character, static_cast<char32_t>(key.key), false, false};
}

bool IsInterrupt(const Event& key) {
    return key.kind == EventKind::Key && !key.isFunctionKey && !key.alt && key.key == kInterruptKey;
}
