#include "framework/Cp1251.h"

#include <cstring>
#include <cwchar>

WideText Widen(const char* text) {
    WideText wide;
    const int length = text != nullptr ? static_cast<int>(std::strlen(text)) : 0;
    const int kept = length < kTextCapacity ? length : kTextCapacity - 1;
    const int written = kept > 0 ? MultiByteToWideChar(kGameCodePage, 0, text, kept, wide.m_text, kept) : 0;
    wide.m_text[written] = L'\0';
    return wide;
}

CString Narrow(const wchar_t* text) {
    char narrow[kTextCapacity];
    const int length = static_cast<int>(std::wcslen(text));
    const int kept = length < kTextCapacity ? length : kTextCapacity - 1;
    const int written = WideCharToMultiByte(kGameCodePage, 0, text, kept, narrow, kept, nullptr, nullptr);
    narrow[written] = '\0';
    return CString(narrow);
}
