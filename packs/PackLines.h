#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "packs/PackProblem.h"

enum class PackEncoding { Utf8, Windows1251 };

// A character of a pack and the column it stands at on its line.
struct SourceCharacter {
    char32_t code;
    int column;
};

// Stands for bytes that are no character: the fault is told once, where it was found, and the
// question that holds it is left out without a second word.
constexpr char32_t kUnreadable = 0xFFFFFFFF;

struct PackLine {
    int number = 0;
    std::vector<SourceCharacter> characters;
};

// The text of a pack, line by line. UTF-8, with or without a byte-order mark; a file that is not
// UTF-8 is Windows-1251, as older Windows editors save it. A file that is UTF-8 but for a few
// stray bytes stays UTF-8, and each stray spot is told. Lines end in LF, CRLF or CR.
class PackLines {
public:
    PackLines(std::string_view bytes, PackProblems& problems);

    PackEncoding Encoding() const { return m_encoding; }
    bool HasByteOrderMark() const { return m_byteOrderMark; }

    // The next line, reusing the given one's room; false after the last.
    bool Next(PackLine& line);

private:
    void DecodeUtf8(std::string_view bytes, PackLine& line);
    void Tell(const PackLine& line, int column, std::string message);

    std::string_view m_rest;
    PackProblems& m_problems;
    PackEncoding m_encoding = PackEncoding::Utf8;
    bool m_byteOrderMark = false;
    int m_number = 0;
};
