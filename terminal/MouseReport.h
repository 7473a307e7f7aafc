#pragma once

#include <string>

#include "terminal/Event.h"

// The terminal's reports of the mouse's left button, which the game reads itself: curses, given
// a press and its release in one read, as a slow line delivers a click, keeps only the release.

// A report of the newer coding: the parameters after "Esc [" ("<0;6;4") and its final byte, M
// for a press and m for a release. Whether it tells of the left button going down or up, which
// the event then holds, at its cell counted from 0.
bool ReadSgrMouse(const std::string& parameters, int final, Event& event);

// A report of the older coding: the three bytes after "Esc [ M", each 32 more than its value.
bool ReadX10Mouse(int button, int column, int row, Event& event);

// Whether the final byte of a sequence after "Esc [" with these parameters begins a report of
// the older coding, whose three bytes then follow.
bool BeginsX10Mouse(const std::string& parameters, int final);
