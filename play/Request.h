#pragma once

#include <string>

// What only the platform can do for the player.
struct Request {
    enum class Kind { OpenAddress, Close };
    Kind kind;
    std::string address;  // Windows-1251, to open: the web address or "mailto:" and the e-mail address
};
