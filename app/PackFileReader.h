#pragma once

#include <string>

#include "packs/PackFile.h"

// Reads a pack's file with the system's own calls, whole into bytes. Only a file on a disk is
// read, and none larger than kPackSizeLimit, which is refused before a byte of it is read.
FileFault ReadPackFile(const wchar_t* path, std::string& bytes);
