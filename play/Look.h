#pragma once

#include "engine/RoundRecord.h"

// The figures of the game's window that every edition draws and ticks with.

// The clock shows the time of day, and every held text, at each tick.
constexpr int kClockPeriodMs = 100;
constexpr int kClockSize = 9;  // "HH:mm:ss" and the terminator
static_assert(sizeof "23:59:59" == kClockSize, "the clock text fits its buffer");

// The rank gauge runs from 1 to 25, not from 0: positions 0 and 1 show the same empty bar.
constexpr int kRankLowest = 1;
constexpr int kRankHighest = kRoundLength;

struct Colour {
    unsigned char red, green, blue;
};

constexpr Colour kSteelBlue = {50, 117, 156};  // the window's ground
constexpr Colour kGreen = {0, 255, 0};         // its texts
constexpr Colour kLinkBlue = {0, 0, 255};      // the About box's links
