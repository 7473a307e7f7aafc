#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "packs/PackFile.h"
#include "packs/QuestionPack.h"

// What the window tells of a pack as the game opens, in one box: the problems as the checker
// writes them, with the file's name, and the checker's summary. A longer list is cut after this
// many problems, and says how many more there are.
constexpr int kNoticeProblemLines = 15;

struct PackNotice {
    std::string text;  // UTF-8, as the file's name may hold any character; empty: nothing to tell
    UINT icon = 0;     // MB_ICONWARNING while the pack plays, MB_ICONERROR when the game's own questions do
};

// Nothing when the pack reads clean.
PackNotice NoticeOfPack(std::string_view name, const QuestionPack& pack);
// The file was not read: why, and that the game plays its own questions.
PackNotice NoticeOfFault(std::string_view name, FileFault fault);
