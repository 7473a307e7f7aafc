#include "packs/PackLines.h"

#include <cstdio>
#include <string>

#include "packs/CodePage1251.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char32_t kByteOrderMarkCharacter = U'\uFEFF';
constexpr char32_t kLastCharacter = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;

// The character that starts the bytes, and how many bytes it takes; 0 bytes when they are no
// UTF-8: a stray continuation, a sequence cut short, an overlong form, a surrogate, too high.
inline std::size_t DecodeOne(std::string_view bytes, char32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    // Two bytes, as every Cyrillic letter takes: from a lead of 0xC2 they are never overlong.
    if (lead >= 0xC2 && lead <= 0xDF) {
        if (bytes.size() < 2 || (byte(1) & 0xC0) != 0x80) {
            return 0;
        }
        code = (static_cast<char32_t>(lead & 0x1F) << 6) | (byte(1) & 0x3F);
        return 2;
    }
    std::size_t length;
    char32_t lowest;
    if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = 0x800;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = 0x10000;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < lowest || code > kLastCharacter || (code >= kFirstSurrogate && code <= kLastSurrogate)) {
        return 0;
    }
    return length;
}

// A file of UTF-8 with a few stray bytes is still UTF-8; one of Windows-1251 has few sequences
// that happen to be UTF-8 and many bytes that are not.
PackEncoding Guess(std::string_view bytes) {
    std::size_t sequences = 0;
    std::size_t strays = 0;
    char32_t code;
    while (!bytes.empty()) {
        if (static_cast<unsigned char>(bytes[0]) < 0x80) {
            bytes.remove_prefix(1);
            continue;
        }
        const std::size_t length = DecodeOne(bytes, code);
        if (length == 0) {
            ++strays;
            bytes.remove_prefix(1);
        } else {
            sequences += length > 1;
            bytes.remove_prefix(length);
        }
    }
    return strays == 0 || sequences > strays ? PackEncoding::Utf8 : PackEncoding::Windows1251;
}

std::string Hex(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

}  // namespace

PackLines::PackLines(std::string_view bytes, PackProblems& problems) : m_rest(bytes), m_problems(problems) {
    if (m_rest.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        m_byteOrderMark = true;
        m_rest.remove_prefix(kByteOrderMark.size());
    }
    m_encoding = m_byteOrderMark ? PackEncoding::Utf8 : Guess(m_rest);
}

bool PackLines::Next(PackLine& line) {
    if (m_rest.empty()) {
        return false;
    }
    std::size_t end = 0;
    while (end < m_rest.size() && m_rest[end] != '\n' && m_rest[end] != '\r') {
        ++end;
    }
    const std::string_view text = m_rest.substr(0, end);
    if (end == m_rest.size()) {
        m_rest = {};
    } else {
        const bool crlf = m_rest[end] == '\r' && end + 1 < m_rest.size() && m_rest[end + 1] == '\n';
        m_rest.remove_prefix(end + (crlf ? 2 : 1));
    }
    line.number = ++m_number;
    line.characters.clear();
    if (m_encoding == PackEncoding::Windows1251) {
        int column = 0;
        for (const char byte : text) {
            const char32_t code = CharacterOf1251(static_cast<unsigned char>(byte));
            line.characters.push_back({code == 0 && byte != 0 ? kUnreadable : code, ++column});
            if (code == 0 && byte != 0) {
                Tell(line, column,
                     "the byte " + Hex(static_cast<unsigned char>(byte)) +
                         " is no character in Windows-1251, which this file is read as");
            }
        }
    } else {
        DecodeUtf8(text, line);
    }
    return true;
}

void PackLines::DecodeUtf8(std::string_view bytes, PackLine& line) {
    bool strayTold = false;
    int column = 0;
    while (!bytes.empty()) {
        ++column;
        if (static_cast<unsigned char>(bytes[0]) < 0x80) {
            line.characters.push_back({static_cast<unsigned char>(bytes[0]), column});
            bytes.remove_prefix(1);
            continue;
        }
        char32_t code;
        std::size_t length = DecodeOne(bytes, code);
        if (length == 0) {
            if (!strayTold) {
                Tell(line, column,
                     "the byte " + Hex(static_cast<unsigned char>(bytes[0])) +
                         " is not UTF-8, while the rest of the file is; save the file as UTF-8 again");
                strayTold = true;
            }
            code = kUnreadable;
            length = 1;
        } else if (code == kByteOrderMarkCharacter) {
            Tell(line, column, "a byte-order mark stands in the middle of the file, as where two files were joined");
            code = kUnreadable;
        }
        line.characters.push_back({code, column});
        bytes.remove_prefix(length);
    }
}

void PackLines::Tell(const PackLine& line, int column, std::string message) {
    m_problems.push_back({line.number, column, Severity::Error, std::move(message)});
}
