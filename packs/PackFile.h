#pragma once

#include <string>

// Why a pack's file was not read: each edition opens files its own way and says why in the same
// words. A file that cannot be read is a usage error, apart from what a file holds.
enum class FileFault {
    None,
    Missing,     // no such file
    Folder,      // a directory
    NotAFile,    // a device, a pipe or a socket, which may never end
    NotAllowed,  // no permission to read it
    TooLarge,    // more than kPackSizeLimit
    Unreadable,  // anything else the system reports
};

// The sentence that says why, after the file's name: "quiz.txt: error: <sentence>".
const char* FileFaultSentence(FileFault fault);
