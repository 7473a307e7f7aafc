#include <windows.h>

#include <gtest/gtest.h>

#include "ParentWindow.h"

using ControlLookupTest = ParentWindow;

TEST_F(ControlLookupTest, AControlIsLookedUpOnceItIsThereAndItsHandleKept) {
    HWND found = nullptr;
    window.GetDlgItem(7, &found);
    EXPECT_EQ(found, nullptr);

    HWND control = Child(7);
    HWND other = Child(8);
    window.GetDlgItem(7, &found);
    EXPECT_EQ(found, control) << "a control that was missing once is found when it comes";
    window.GetDlgItem(8, &found);
    EXPECT_EQ(found, other);

    // Under another id the platform no longer finds the control: the window answers from what it kept.
    SetWindowLongPtrW(control, GWLP_ID, 70);
    ASSERT_EQ(::GetDlgItem(window.m_hWnd, 7), nullptr);
    window.GetDlgItem(7, &found);
    EXPECT_EQ(found, control);
    window.GetDlgItem(9, &found);
    EXPECT_EQ(found, nullptr);
}

TEST_F(ControlLookupTest, AnObjectGivenAnotherWindowFindsThatWindowsControls) {
    Child(7);
    HWND found = nullptr;
    window.GetDlgItem(7, &found);
    DestroyWindow(window.m_hWnd);
    window.SubclassWindow(CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                          GetModuleHandleW(nullptr), nullptr));
    HWND control = Child(7);

    window.GetDlgItem(7, &found);
    EXPECT_EQ(found, control);
}
