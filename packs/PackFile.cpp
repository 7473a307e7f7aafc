#include "packs/PackFile.h"

const char* FileFaultSentence(FileFault fault) {
    switch (fault) {
        case FileFault::None: return "";
        case FileFault::Missing: return "there is no such file";
        case FileFault::Folder: return "this is a folder, not a file of questions";
        case FileFault::NotAFile:
            return "this is no plain file but a device or a pipe, which may never end, so it is not read";
        case FileFault::NotAllowed: return "the file may not be read: permission denied";
        case FileFault::TooLarge:
            return "the file is larger than 16 MiB, more than a pack of questions holds, so it is not read";
        case FileFault::Unreadable: return "the file could not be read";
    }
    return "";
}
