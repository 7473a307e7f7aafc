// The game's keys, for the window's accelerator table and for every other edition's key map:
// each is a letter and the command it gives. The list is a macro because the resource script
// reads it too, and the preprocessor is all that script and C++ have in common.
#pragma once

#include "resource.h"

// ANSWER_KEY(letter, command): the plain letter answers. LEVEL_KEY(letter, command): the
// letter with Ctrl starts a level.
#define MENDO_GAME_KEYS(ANSWER_KEY, LEVEL_KEY) \
    ANSWER_KEY("A", IDC_LETTER_A)              \
    ANSWER_KEY("B", IDC_LETTER_B)              \
    ANSWER_KEY("C", IDC_LETTER_C)              \
    ANSWER_KEY("D", IDC_LETTER_D)              \
    LEVEL_KEY("E", ID_GAME_EASY)               \
    LEVEL_KEY("H", ID_GAME_HARD)               \
    LEVEL_KEY("L", ID_GAME_LOGIC)
