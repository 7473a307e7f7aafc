#pragma once

#include <optional>
#include <string>

#include "engine/TriviaGame.h"

// A modal box over the screen: a message with one OK button, or the About box.
enum class BoxKind { Message, About };

struct Box {
    BoxKind kind = BoxKind::Message;
    std::string text;                    // Windows-1251; none in the About box, whose texts are its own
    std::optional<std::string> caption;  // none: the box carries the program's name
    BoxIcon icon = BoxIcon::None;
};

// The About box's two links.
enum class AboutLink { Web, Mail };
