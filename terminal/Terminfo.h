#pragma once

#include <string>

// What the current terminal's description in terminfo says, by the capabilities' terminfo names.

// Whether it has the string capability.
bool TerminalHas(const char* capability);

// The string capability with its padding done, empty where the terminal has none.
std::string Capability(const char* name);
