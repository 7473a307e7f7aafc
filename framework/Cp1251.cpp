#include "framework/Cp1251.h"

#include <windows.h>

namespace {
constexpr UINT kCodePage = 1251;
}

std::wstring Widen(const char* text) {
    const int length = MultiByteToWideChar(kCodePage, 0, text, -1, nullptr, 0);
    if (length <= 0) {
        return std::wstring();
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

CString Narrow(const wchar_t* text) {
    const int length = WideCharToMultiByte(kCodePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return CString();
    }
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kCodePage, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    return CString(narrow.c_str());
}
