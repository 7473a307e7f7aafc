#pragma once

#include <optional>
#include <string>

#include "packs/PackLevel.h"

// The game's own questions as an Aiken pack in UTF-8, each question as the game shows it (with
// its "?"), in the pools' order, so that the pack plays the same games as the pools do. All three
// levels come under their marks; one level alone comes without a mark, a file Moodle imports as
// it is.
std::string ExportPools(std::optional<PackLevel> only = std::nullopt);
