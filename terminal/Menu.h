#pragma once

#include "terminal/Input.h"

class Frontend;

// The titles of the menu bar, from left to right: the window menu's button, Game, About.
enum class MenuTitle { Window, Game, About };

// The menu bar, open at a title until the player chooses an item or leaves it: arrows move
// through titles and items, Enter or an item's letter chooses, Esc or F10 leaves, and so
// does a press outside the menus; a release over an item chooses it. Gives the chosen command.
Command RunMenuBar(Frontend& frontend, MenuTitle start);
