#include "terminal/Charset.h"

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <cstring>
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

    // Converts the whole input; false if any of it has no form in the target character set.
    bool Convert(const char* in, std::size_t inSize, std::vector<char>& out) {
        out.assign(inSize * 8 + 16, '\0');
        char* source = const_cast<char*>(in);
        char* target = out.data();
        std::size_t targetLeft = out.size();
        const std::size_t result = iconv(m_cd, &source, &inSize, &target, &targetLeft);
        out.resize(out.size() - targetLeft);
        return result != static_cast<std::size_t>(-1);
    }

private:
    iconv_t m_cd;
};

}  // namespace

std::wstring ToWide(const char* cp1251) {
    Converter converter(kWideCharset, kGameCharset);
    std::vector<char> out;
    if (!converter.Ready()) {
        return std::wstring();
    }
    converter.Convert(cp1251, std::strlen(cp1251), out);
    return std::wstring(reinterpret_cast<const wchar_t*>(out.data()), out.size() / sizeof(wchar_t));
}

std::string ToCp1251(const std::wstring& typed) {
    Converter converter(kGameCharset, kWideCharset);
    std::string text;
    std::vector<char> out;
    for (wchar_t character : typed) {
        const bool converted = converter.Ready() &&
                               converter.Convert(reinterpret_cast<const char*>(&character), sizeof character, out) &&
                               out.size() == 1;
        text += converted ? out[0] : kNoSuchCharacter;
    }
    return text;
}

bool LocaleShowsCyrillic() {
    std::string letters;
    for (int byte = 0xC0; byte <= 0xFF; ++byte) {  // А to я in Windows-1251
        letters += static_cast<char>(byte);
    }
    Converter converter(nl_langinfo(CODESET), kGameCharset);
    std::vector<char> out;
    return converter.Ready() && converter.Convert(letters.data(), letters.size(), out);
}
