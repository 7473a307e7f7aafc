#include "framework/Cp1251.h"

#include <cstring>
#include <cwchar>

namespace {
constexpr UINT kCodePage = 1251;
}

// Each byte of the code page is one UTF-16 character, so the lengths are known before converting.
WideText Widen(const char* text) {
    WideText wide;
    const int length = static_cast<int>(std::strlen(text));
    wide.m_length = length < kTextCapacity ? length : kTextCapacity - 1;
    MultiByteToWideChar(kCodePage, 0, text, wide.m_length, wide.m_text, wide.m_length);
    wide.m_text[wide.m_length] = L'\0';
    return wide;
}

CString Narrow(const wchar_t* text) {
    char narrow[kTextCapacity];
    const int length = static_cast<int>(std::wcslen(text));
    const int kept = length < kTextCapacity ? length : kTextCapacity - 1;
    const int written = WideCharToMultiByte(kCodePage, 0, text, kept, narrow, kept, nullptr, nullptr);
    narrow[written] = '\0';
    return CString(narrow);
}
