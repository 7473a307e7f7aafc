#pragma once

#include <string>

#include "engine/TriviaGame.h"

// What the main screen shows, Windows-1251: the texts the game sets at once, and its held
// texts (answers and score) as of the last refresh.
struct MainScreen {
    std::string question;
    std::string number;
    std::string answer[kAnswerCount];
    std::string score;
    std::string clock;
    int rank = 0;

    bool operator==(const MainScreen& other) const;
    bool operator!=(const MainScreen& other) const { return !(*this == other); }
};

// A refresh: the game's held texts onto the screen.
void ShowHeldTexts(const CTriviaGame& game, MainScreen& screen);
