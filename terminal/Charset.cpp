#include "terminal/Charset.h"

#include <iconv.h>
#include <langinfo.h>

#include <climits>
#include <cstring>
#include <cwchar>
#include <vector>

namespace {

const char kGameCharset[] = "CP1251";
const char kWideCharset[] = "WCHAR_T";
constexpr char kNoSuchCharacter = '?';

// One conversion descriptor, closed when it goes.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (Ready()) {
            iconv_close(m_cd);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Ready() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts the input into the output up to the first character that has no form in the
    // target character set or does not fit; whether that was all of it. Tells how many bytes
    // of the output it filled.
    bool Convert(const char* in, std::size_t inSize, char* out, std::size_t outSize, std::size_t& filled) {
        char* source = const_cast<char*>(in);
        char* target = out;
        const std::size_t result = iconv(m_cd, &source, &inSize, &target, &outSize);
        filled = static_cast<std::size_t>(target - out);
        return result != static_cast<std::size_t>(-1);
    }

private:
    iconv_t m_cd;
};

// The program's two conversions, each opened once for its whole run.
Converter& GameToWide() {
    static Converter converter(kWideCharset, kGameCharset);
    return converter;
}

Converter& WideToGame() {
    static Converter converter(kGameCharset, kWideCharset);
    return converter;
}

}  // namespace

std::wstring ToWide(const char* cp1251) {
    // Every Windows-1251 byte is one character.
    const std::size_t length = std::strlen(cp1251);
    std::wstring wide(length, L'\0');
    Converter& converter = GameToWide();
    std::size_t filled = 0;
    if (converter.Ready()) {
        converter.Convert(cp1251, length, reinterpret_cast<char*>(wide.data()), length * sizeof(wchar_t), filled);
    }
    wide.resize(filled / sizeof(wchar_t));
    return wide;
}

std::string ToCp1251(const std::wstring& typed) {
    Converter& converter = WideToGame();
    std::string text;
    for (wchar_t character : typed) {
        char byte = 0;
        std::size_t filled = 0;
        const bool converted = converter.Ready() && converter.Convert(reinterpret_cast<const char*>(&character),
                                                                      sizeof character, &byte, 1, filled);
        text += converted ? byte : kNoSuchCharacter;
    }
    return text;
}

std::wstring FromLocale(const char* text) {
    std::wstring wide;
    std::mbstate_t state{};
    const char* const end = text + std::strlen(text);
    while (text < end) {
        wchar_t character = 0;
        const std::size_t length = std::mbrtowc(&character, text, end - text, &state);
        if (length == static_cast<std::size_t>(-1) || length == static_cast<std::size_t>(-2)) {
            // A byte that is no character here: shown as one that has no form, and on.
            wide += static_cast<wchar_t>(kNoSuchCharacter);
            state = std::mbstate_t{};
            ++text;
            continue;
        }
        wide += character;
        text += length;
    }
    return wide;
}

bool LocaleShowsCyrillic() {
    constexpr int kFirstLetter = 0xC0;  // А to я in Windows-1251
    constexpr int kLetterCount = 64;
    constexpr int kMostBytesALetter = 4;
    char letters[kLetterCount];
    for (int i = 0; i < kLetterCount; ++i) {
        letters[i] = static_cast<char>(kFirstLetter + i);
    }
    std::vector<char> out(kLetterCount * kMostBytesALetter);
    Converter converter(nl_langinfo(CODESET), kGameCharset);
    std::size_t filled = 0;
    return converter.Ready() && converter.Convert(letters, sizeof letters, out.data(), out.size(), filled);
}

bool LocaleShows(const std::wstring& characters) {
    for (wchar_t character : characters) {
        char bytes[MB_LEN_MAX];
        std::mbstate_t state{};
        if (std::wcrtomb(bytes, character, &state) == static_cast<std::size_t>(-1)) {
            return false;
        }
    }
    return true;
}
