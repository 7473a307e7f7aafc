#pragma once

#include <curses.h>

#include <optional>

#include "play/Key.h"
#include "terminal/Event.h"

constexpr int kInterruptKey = 3;  // Ctrl+C
constexpr int kEscapeKey = 27;
constexpr int kMenuBarKey = KEY_F(10);

// A key as the terminal sent it, as the game takes it; none for a key that means nothing to it.
std::optional<Key> GameKey(const Event& key);

// Ctrl+C, which ends the game as the close button does, whatever is open.
bool IsInterrupt(const Event& key);
