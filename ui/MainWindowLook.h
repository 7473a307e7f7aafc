#pragma once

#include <windows.h>

#include <commctrl.h>

#include "play/Look.h"
#include "ui/QuestionFont.h"

// How the game's window is set up, in figures: the game's and its floor's in the bench, which
// shows the same window with no framework.

// The system menu entries removed one after the other, by position: Move, Minimize and Close stay.
inline constexpr UINT kRemovedSystemMenuPositions[] = {0, 1, 2, 2};

constexpr DWORD kToolBarStyle = WS_CHILD | WS_VISIBLE | CCS_TOP;
constexpr DWORD kToolBarControlStyle = TBSTYLE_FLAT | TBSTYLE_TRANSPARENT;
// Where the toolbar stands in client pixels with the standard dialog font (base units 6 x 13):
// right of the answers, just above the rank gauge.
constexpr POINT kToolBarSpot = {350, 55};
constexpr int kStandardBaseX = 6;
constexpr int kStandardBaseY = 13;

constexpr UINT_PTR kClockTimer = 0;
inline constexpr char kClockFormat[] = "HH':'mm':'ss";

constexpr short kRankMinimum = kRankLowest;
constexpr short kRankMaximum = kRankHighest;
static_assert(MAKELPARAM(kRankMinimum, kRankMaximum) == 0x00190001, "the gauge runs from 1 to 25");

constexpr COLORREF ColourRef(Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

constexpr COLORREF kBackground = ColourRef(kSteelBlue);
static_assert(kBackground == 0x009C7532, "steel blue");
constexpr COLORREF kTextColour = ColourRef(kGreen);

// The question's font's weight and character set.
constexpr LONG kBold = 700;
constexpr BYTE kCyrillic = 204;
static_assert(kCyrillic == RUSSIAN_CHARSET, "the Cyrillic character set");
