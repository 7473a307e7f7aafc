#pragma once

#include <ctime>

#include "engine/TriviaGame.h"

// The engine with nothing to show and the clock's second given: for the draws and the rules
// alone, wherever a test plays without a screen.
class SilentGame : public CTriviaGame {
public:
    std::time_t seedTime = 1;

protected:
    void SetQuestionText(const char*) override {}
    void SetNumberLabel(const char*) override {}
    void SetRankPosition(int) override {}
    void Refresh() override {}
    void ShowMessageBox(const char*, const char*, BoxIcon) override {}
    std::time_t SeedTime() override { return seedTime; }
};
