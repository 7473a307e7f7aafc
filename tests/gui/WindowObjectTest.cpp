#include <windows.h>

#include <gtest/gtest.h>

#include "framework/CWnd.h"

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
