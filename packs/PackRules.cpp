#include "packs/PackRules.h"

#include <cstring>

#include "packs/CodePage1251.h"

namespace {

constexpr int kQuestionLength = kQuestionSize - 2;   // room for the "?" and the terminator
constexpr int kStatementLength = kQuestionSize - 1;  // a question that ends with ":" or "."
constexpr int kAnswerLength = kAnswerSize - 1;
static_assert(kQuestionLength == 58 && kStatementLength == 59 && kAnswerLength == 29, "the game's limits");

// The entities that exporters write for characters of the game's code page.
struct Entity {
    const char* name;
    char32_t code;
};
constexpr Entity kEntities[] = {
    {"amp", U'&'},        {"lt", U'<'},          {"gt", U'>'},          {"quot", U'"'},        {"apos", U'\''},
    {"nbsp", U'\u00A0'},  {"ndash", U'\u2013'},  {"mdash", U'\u2014'},  {"laquo", U'\u00AB'},  {"raquo", U'\u00BB'},
    {"bdquo", U'\u201E'}, {"ldquo", U'\u201C'},  {"rdquo", U'\u201D'},  {"sbquo", U'\u201A'},  {"lsquo", U'\u2018'},
    {"rsquo", U'\u2019'}, {"hellip", U'\u2026'}, {"euro", U'\u20AC'},   {"copy", U'\u00A9'},   {"reg", U'\u00AE'},
    {"deg", U'\u00B0'},   {"plusmn", U'\u00B1'}, {"sect", U'\u00A7'},   {"middot", U'\u00B7'}, {"bull", U'\u2022'},
    {"trade", U'\u2122'}, {"permil", U'\u2030'}, {"numero", U'\u2116'},
};
constexpr std::size_t kLongestEntity = sizeof "&#x10FFFF;" - 1;
constexpr char32_t kLastCharacter = 0x10FFFF;

bool IsDigit(char32_t c, int base) {
    return (c >= U'0' && c <= U'9') || (base == 16 && ((c >= U'a' && c <= U'f') || (c >= U'A' && c <= U'F')));
}

int DigitValue(char32_t c) {
    return c <= U'9' ? static_cast<int>(c - U'0') : static_cast<int>((c | 0x20) - U'a' + 10);
}

// The character of the entity that the text holds at i, and its length; 0 when there is none.
std::size_t EntityAt(const std::vector<SourceCharacter>& text, std::size_t i, char32_t& code) {
    std::size_t end = i + 1;
    while (end < text.size() && end - i < kLongestEntity && text[end].code != U';') {
        ++end;
    }
    if (end >= text.size() || text[end].code != U';' || end == i + 1) {
        return 0;
    }
    if (text[i + 1].code == U'#') {
        std::size_t digits = i + 2;
        const int base = digits < end && (text[digits].code | 0x20) == U'x' ? 16 : 10;
        digits += base == 16;
        if (digits == end) {
            return 0;
        }
        char32_t value = 0;
        for (std::size_t j = digits; j < end; ++j) {
            if (!IsDigit(text[j].code, base)) {
                return 0;
            }
            value = value * base + DigitValue(text[j].code);
        }
        if (value == 0 || value > kLastCharacter) {
            return 0;
        }
        code = value;
        return end - i + 1;
    }
    for (const Entity& entity : kEntities) {
        const std::size_t length = std::strlen(entity.name);
        bool same = length == end - i - 1;
        for (std::size_t j = 0; same && j < length; ++j) {
            same = text[i + 1 + j].code == static_cast<unsigned char>(entity.name[j]);
        }
        if (same) {
            code = entity.code;
            return end - i + 1;
        }
    }
    return 0;
}

bool IsBlank(char32_t c) {
    return c == U' ' || c == U'\t';
}

bool IsControl(char32_t c) {
    return c < U' ' || (c >= 0x7F && c <= 0x9F);
}

std::string AnswerName(int k) {
    return std::string("answer ") + static_cast<char>('A' + k);
}

constexpr int kTheQuestion = -1;

std::string TextName(int k) {
    return k == kTheQuestion ? "the question" : AnswerName(k);
}

}  // namespace

bool PackRules::Hold(const WrittenQuestion& written, PackProblems& problems, HeldTexts& held) {
    bool usable = HoldQuestion(written.question, problems, held.question);
    bool answersUsable[kAnswerCount];
    for (int k = 0; k < kAnswerCount; ++k) {
        answersUsable[k] = HoldAnswer(k, written.answers[k], problems, held.answers[k]);
        usable = usable && answersUsable[k];
    }
    for (int k = 1; k < kAnswerCount; ++k) {
        for (int j = 0; j < k; ++j) {
            if (answersUsable[j] && answersUsable[k] && held.answers[j] == held.answers[k]) {
                const WrittenText& second = written.answers[k];
                problems.push_back({second.line, second.column, Severity::Error,
                                    "answers " + std::string(1, static_cast<char>('A' + j)) + " and " +
                                        static_cast<char>('A' + k) + " are the same; the four answers must differ"});
                usable = false;
                break;
            }
        }
    }
    return usable;
}

Span PackRules::Decoded(const WrittenText& written) {
    const std::vector<SourceCharacter>& text = written.characters;
    std::size_t i = 0;
    while (i < text.size() && text[i].code != U'&') {
        ++i;
    }
    if (i == text.size()) {
        return WholeLine(text);
    }
    m_decoded.assign(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(i));
    while (i < text.size()) {
        char32_t code;
        const std::size_t length = text[i].code == U'&' ? EntityAt(text, i, code) : 0;
        if (length == 0) {
            m_decoded.push_back(text[i]);
            ++i;
        } else {
            m_decoded.push_back({code, text[i].column});
            i += length;
        }
    }
    return WholeLine(m_decoded);
}

bool PackRules::HoldQuestion(const WrittenText& written, PackProblems& problems, std::string& held) {
    Span text = Decoded(written);
    const auto dropBlanks = [&] {
        while (!text.empty() && IsBlank((text.end - 1)->code)) {
            --text.end;
        }
    };
    dropBlanks();
    if (!text.empty() && (text.end - 1)->code == U'?') {
        --text.end;
        dropBlanks();
    }
    if (text.empty()) {
        problems.push_back({written.line, written.column, Severity::Error, "the question is empty"});
        return false;
    }
    const char32_t last = (text.end - 1)->code;
    const bool statement = last == U':' || last == U'.';
    const std::size_t limit = statement ? kStatementLength : kQuestionLength;
    bool usable = InCodePage(text, written.line, kTheQuestion, problems, held);
    if (text.size() > limit) {
        problems.push_back({written.line, text.begin[limit].column, Severity::Error,
                            "the question is " + std::to_string(text.size()) +
                                " characters long; the game shows at most " + std::to_string(limit) +
                                (statement ? "" : " before its question mark")});
        usable = false;
    }
    return usable;
}

bool PackRules::HoldAnswer(int k, const WrittenText& written, PackProblems& problems, std::string& held) {
    const Span text = Decoded(written);
    if (text.empty()) {
        problems.push_back({written.line, written.column, Severity::Error, AnswerName(k) + " is empty"});
        return false;
    }
    bool usable = InCodePage(text, written.line, k, problems, held);
    if (text.size() > static_cast<std::size_t>(kAnswerLength)) {
        problems.push_back({written.line, text.begin[kAnswerLength].column, Severity::Error,
                            AnswerName(k) + " is " + std::to_string(text.size()) +
                                " characters long; the game shows at most " + std::to_string(kAnswerLength)});
        usable = false;
    }
    return usable;
}

bool PackRules::InCodePage(Span text, int line, int k, PackProblems& problems, std::string& held) {
    held.resize(text.size());
    char* at = held.data();
    for (const SourceCharacter* character = text.begin; character != text.end; ++character) {
        unsigned char byte;
        if (character->code == kUnreadable) {
            return false;
        }
        if (IsControl(character->code)) {
            problems.push_back({line, character->column, Severity::Error,
                                TextName(k) + " holds a control character, " + CharacterName(character->code)});
            return false;
        }
        if (!ByteOf1251(character->code, byte)) {
            problems.push_back({line, character->column, Severity::Error,
                                TextName(k) + " holds " + CharacterName(character->code) +
                                    ", a character the game cannot show: it has only those of Windows-1251"});
            return false;
        }
        *at++ = static_cast<char>(byte);
    }
    return true;
}
