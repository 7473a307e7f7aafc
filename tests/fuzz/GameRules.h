#pragma once

#include "engine/TriviaGame.h"
#include "tests/PoolView.h"

// The rules every state of a game keeps. The fuzzer's own checks are built without its coverage
// hooks: they are not what it explores, and would cost it most of its time.

// Stops the run, naming the rule, when it does not hold.
void Require(bool holds, const char* what);

// Only the game's own boxes open, and only "WRONG!!!" has an icon. True for "WRONG!!!".
bool CheckBox(const char* text, BoxIcon icon);

// The 25 records are 25 different pool entries, each with its right answer where nCorrect says.
void CheckRound(const CTriviaGame& game, const PoolView& pool);

// The state and what the gauge and the score text show; rank is the gauge's last position.
void CheckState(const CTriviaGame& game, int rank, bool lost);
