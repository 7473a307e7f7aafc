#pragma once

#include "play/Key.h"
#include "play/Menus.h"

// The keys of the main screen: the window's accelerators, and what an edition without the
// window's menus and buttons needs besides.

// The command of a key, 0 for a key that means nothing there.
int CommandOfKey(const Key& key);

// Whether the key opens a menu of the menu bar, and which.
bool OpensMenu(const Key& key, MenuTitle& title);

// A letter as its small letter, Latin or Cyrillic; any other character as it is.
char32_t SmallLetter(char32_t character);
