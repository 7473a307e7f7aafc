#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "framework/CToolBar.h"
#include "framework/CWnd.h"
#include "framework/Cp1251.h"
#include "res/resource.h"

namespace {

// A plain top-level window with an object of its own, and its children.
class Parent : public ::testing::Test {
protected:
    Parent() {
        window.SubclassWindow(CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                              GetModuleHandleW(nullptr), nullptr));
    }
    ~Parent() override { DestroyWindow(window.m_hWnd); }

    HWND Child(int id) const {
        return CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, window.m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    }

    CRect PlaceOf(HWND child) const {
        CRect rect;
        ::GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    CWnd window;
};

using LayoutTest = Parent;
using ControlLookupTest = Parent;

}  // namespace

TEST_F(LayoutTest, BarsInTheRangeStackAlongTheTopAndOthersStayPut) {
    CToolBar first;
    CToolBar second;
    CToolBar outside;
    for (auto [bar, id] : {std::pair{&first, AFX_IDW_TOOLBAR}, std::pair{&second, AFX_IDW_TOOLBAR + 1},
                           std::pair{&outside, AFX_IDW_CONTROLBAR_LAST + 1}}) {
        ASSERT_TRUE(bar->CreateEx(&window, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE, CRect(0, 2, 0, 3), id));
        ASSERT_TRUE(bar->LoadToolBar(IDR_HINT_TOOLBAR));
    }
    // A control that is no bar ignores the layout's message, whatever its id.
    HWND plain = Child(AFX_IDW_TOOLBAR + 2);
    SetWindowPos(plain, nullptr, 50, 60, 10, 10, SWP_NOZORDER);

    window.RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0);

    CRect client;
    window.GetClientRect(&client);
    const int height = first.CalcHeight();
    EXPECT_GT(height, 5) << "the buttons and both borders";
    EXPECT_EQ(PlaceOf(first.m_hWnd).top, 0);
    EXPECT_EQ(PlaceOf(first.m_hWnd).Height(), height);
    EXPECT_EQ(PlaceOf(first.m_hWnd).Width(), client.Width());
    EXPECT_EQ(PlaceOf(second.m_hWnd).top, height) << "the second bar stands below the first";
    EXPECT_EQ(PlaceOf(second.m_hWnd).Width(), client.Width());
    EXPECT_EQ(PlaceOf(outside.m_hWnd).Height(), 0) << "a bar outside the range is not laid out";
    EXPECT_EQ(PlaceOf(plain).left, 50);
    EXPECT_EQ(PlaceOf(plain).top, 60);
}

TEST_F(ControlLookupTest, AControlIsFoundOnceItIsThereAndKeepsItsHandle) {
    HWND found = nullptr;
    window.GetDlgItem(7, &found);
    EXPECT_EQ(found, nullptr);

    HWND control = Child(7);
    HWND other = Child(8);
    window.GetDlgItem(7, &found);
    EXPECT_EQ(found, control) << "a control that was missing once is found when it comes";
    window.GetDlgItem(8, &found);
    EXPECT_EQ(found, other);
    window.GetDlgItem(7, &found);
    EXPECT_EQ(found, control);
    window.GetDlgItem(9, &found);
    EXPECT_EQ(found, nullptr);
}

TEST(WindowObjectTest, AWindowWithoutAnObjectHasOneStandInAndAnObjectIsItsOwn) {
    CWnd owned;
    owned.SubclassWindow(CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr));
    HWND bare[3];
    for (HWND& window : bare) {
        window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr),
                                 nullptr);
    }

    EXPECT_EQ(CWnd::FromHandle(owned.m_hWnd), &owned);
    EXPECT_EQ(CWnd::FromHandlePermanent(bare[0]), nullptr);
    CWnd* standIns[3];
    for (int i = 0; i < 3; ++i) {
        standIns[i] = CWnd::FromHandle(bare[i]);
        ASSERT_NE(standIns[i], nullptr);
        EXPECT_EQ(standIns[i]->m_hWnd, bare[i]);
    }
    EXPECT_NE(standIns[0], standIns[1]);
    EXPECT_NE(standIns[1], standIns[2]);
    EXPECT_EQ(CWnd::FromHandle(bare[1]), standIns[1]) << "one stand-in a window";
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

    DestroyWindow(owned.m_hWnd);
    EXPECT_EQ(owned.m_hWnd, nullptr) << "the object lets go of its destroyed window";
    EXPECT_EQ(CWnd::FromHandlePermanent(bare[2]), nullptr);
    for (HWND window : bare) {
        DestroyWindow(window);
    }
}

TEST(TextTest, EveryCharacterOfTheCodePageCrossesBothWays) {
    std::string all;
    for (int c = 0x20; c <= 0xFF; ++c) {
        if (c != 0x98) {  // the one byte the code page leaves unassigned
            all += static_cast<char>(c);
        }
    }
    const WideText wide = Widen(all.c_str());
    EXPECT_EQ(wide.Length(), static_cast<int>(all.size()));
    EXPECT_EQ(std::wstring(Widen("\xC0\xDF\xE0\xFF").c_str()), L"\x0410\x042F\x0430\x044F") << "А Я а я";
    EXPECT_EQ(std::string(Narrow(wide.c_str())), all);
    EXPECT_EQ(Widen("").Length(), 0);
    EXPECT_EQ(std::string(Narrow(L"")), "");
}

TEST(TextTest, ATextLongerThanTheBufferIsCutAtItsEnd) {
    const std::string longText(3 * kTextCapacity, '\xE0');
    const WideText wide = Widen(longText.c_str());
    EXPECT_EQ(wide.Length(), kTextCapacity - 1);
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
