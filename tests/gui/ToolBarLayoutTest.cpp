#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "ParentWindow.h"
#include "framework/CToolBar.h"
#include "res/resource.h"

using ToolBarLayoutTest = ParentWindow;

TEST_F(ToolBarLayoutTest, BarsInTheRangeStackAlongTheTopAndOthersStayPut) {
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
