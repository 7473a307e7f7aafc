#pragma once

#include <string_view>

#include "engine/TriviaGame.h"
#include "packs/QuestionPack.h"

// What every pack keeps, whatever bytes it was read from: each question it plays is one the
// game can show, its counts agree, and each problem stands inside the file. Built, as the
// game's rules are, without the fuzzer's coverage hooks.
void CheckPack(const QuestionPack& pack, std::string_view bytes);

// A game started from the pack holds 25 different questions, each with its right answer where
// nCorrect says and each a question the game can show.
void CheckPackRound(const CTriviaGame& game);
