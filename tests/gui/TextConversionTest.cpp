#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "framework/CString.h"
#include "framework/CWnd.h"
#include "framework/Cp1251.h"

TEST(TextConversionTest, EveryCharacterOfTheCodePageCrossesBothWays) {
    std::string all;
    for (int c = 0x20; c <= 0xFF; ++c) {
        if (c != 0x98) {  // the one byte the code page leaves unassigned
            all += static_cast<char>(c);
        }
    }
    const WideText wide = Widen(all.c_str());
    EXPECT_EQ(std::wcslen(wide.c_str()), all.size());
    EXPECT_EQ(std::wstring(Widen("\xC0\xDF\xE0\xFF").c_str()), L"\x0410\x042F\x0430\x044F") << "А Я а я";
    EXPECT_EQ(std::string(Narrow(wide.c_str())), all);
    EXPECT_EQ(std::wstring(Widen("").c_str()), L"");
    EXPECT_EQ(std::string(Narrow(L"")), "");
}

TEST(TextConversionTest, ATextLongerThanTheBufferIsCutAtItsEnd) {
    const std::string longText(3 * kTextCapacity, '\xE0');
    const WideText wide = Widen(longText.c_str());
    EXPECT_EQ(std::wstring(wide.c_str()), std::wstring(kTextCapacity - 1, L'\x0430'));
    const std::wstring longWide(3 * kTextCapacity, L'\x0430');
    EXPECT_EQ(std::string(Narrow(longWide.c_str())), std::string(kTextCapacity - 1, '\xE0'));

    CWnd label;
    label.SubclassWindow(CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr));
    SetWindowTextW(label.m_hWnd, longWide.c_str());
    CString read;
    label.GetWindowText(read);
    EXPECT_EQ(read.GetLength(), kTextCapacity - 1);
    DestroyWindow(label.m_hWnd);
}

TEST(TextConversionTest, NoTextIsAnEmptyText) {
    EXPECT_EQ(std::wstring(Widen(nullptr).c_str()), L"");

    CWnd label;
    label.SubclassWindow(CreateWindowExW(0, L"Static", L"shown", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr));
    label.SetWindowText(nullptr);
    EXPECT_EQ(GetWindowTextLengthW(label.m_hWnd), 0);
    DestroyWindow(label.m_hWnd);
}
