#include <windows.h>

#include <gtest/gtest.h>

#include "ParentWindow.h"

using ControlLookupTest = ParentWindow;

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
