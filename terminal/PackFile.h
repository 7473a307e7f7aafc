#pragma once

#include <string>

#include "packs/PackFile.h"

// Reads a pack's file whole into bytes. Only a plain file is read, and only up to the size a
// pack may have, so that a device, a pipe or a huge file is refused at once and never waited on.
FileFault ReadPackFile(const char* path, std::string& bytes);
