#include "packs/PackExport.h"

#include <cstring>

#include "packs/CodePage1251.h"
#include "questions/QuestionPool.h"

namespace {

void AppendUtf8(std::string& out, const char* cp1251) {
    for (; *cp1251 != '\0'; ++cp1251) {
        const char32_t c = CharacterOf1251(static_cast<unsigned char>(*cp1251));
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

template <std::size_t N>
void AppendPool(std::string& out, const QuestionPool<N>& pool) {
    for (std::size_t i = 0; i < N; ++i) {
        const char* question = pool.szQuestion[i];
        AppendUtf8(out, question);
        const char last = question[std::strlen(question) - 1];
        if (last != ':' && last != '.') {
            out += '?';
        }
        out += '\n';
        for (int k = 0; k < kAnswerCount; ++k) {
            out += static_cast<char>('A' + k);
            out += ") ";
            AppendUtf8(out, pool.szAnswer[i][k]);
            out += '\n';
        }
        out += "ANSWER: ";
        out += static_cast<char>('A' + pool.nCorrect[i] - 1);
        out += "\n\n";
    }
}

void AppendLevel(std::string& out, PackLevel level, bool marked) {
    if (marked) {
        out += std::string("[") + LevelName(level) + "]\n\n";
    }
    switch (level) {
        case PackLevel::Easy: AppendPool(out, g_easyPool); break;
        case PackLevel::Hard: AppendPool(out, g_hardPool); break;
        case PackLevel::Logic: AppendPool(out, g_logicPool); break;
    }
}

}  // namespace

std::string ExportPools(std::optional<PackLevel> only) {
    std::string out;
    if (only) {
        AppendLevel(out, *only, false);
        return out;
    }
    for (PackLevel level : {PackLevel::Easy, PackLevel::Hard, PackLevel::Logic}) {
        AppendLevel(out, level, true);
    }
    return out;
}
