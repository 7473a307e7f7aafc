#include "packs/CodePage1251.h"

namespace {

// Bytes 0x80 to 0xBF: Serbian, Macedonian, Ukrainian and Belarusian letters, quotes, dashes,
// signs and the no-break space; eight bytes a row, from 0x80.
// clang-format off
constexpr char32_t kHigh[kFirstCyrillicByte - kFirstHigh] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};
// clang-format on

}  // namespace

char32_t CharacterOf1251(unsigned char byte) {
    if (byte < kFirstHigh) {
        return byte;
    }
    if (byte >= kFirstCyrillicByte) {
        return kFirstCyrillic + (byte - kFirstCyrillicByte);
    }
    return kHigh[byte - kFirstHigh];
}

bool ByteOf1251Beyond(char32_t character, unsigned char& byte) {
    for (unsigned i = 0; i < sizeof kHigh / sizeof kHigh[0]; ++i) {
        if (kHigh[i] == character && character != 0) {
            byte = static_cast<unsigned char>(kFirstHigh + i);
            return true;
        }
    }
    return false;
}
