#pragma once

// The three levels a pack can give questions to, in the order of the Game menu.
enum class PackLevel { Easy, Hard, Logic };
constexpr int kPackLevelCount = 3;
constexpr unsigned kEveryLevel = (1u << kPackLevelCount) - 1;

constexpr unsigned LevelBit(PackLevel level) {
    return 1u << static_cast<int>(level);
}

// The level's name as packs write it: "Easy", "Hard", "Logic".
const char* LevelName(PackLevel level);
