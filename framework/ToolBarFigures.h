#pragma once

#include <windows.h>

#include <commctrl.h>

// What a toolbar is made of, in figures: apart from the class, so that the game's floor in the
// bench builds the same bar with no framework.

constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
constexpr UINT AFX_IDW_CONTROLBAR_FIRST = 0xE800;
constexpr UINT AFX_IDW_CONTROLBAR_LAST = 0xE8FF;

// The toolbar resource: a version word, the image size, the button count and each button's id.
constexpr WORD kToolBarResourceType = 241;
constexpr WORD kToolBarVersion = 1;
struct ToolBarData {
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    const WORD* Items() const { return &wItemCount + 1; }
};

// A button is its image with room for the edges and the pressed look.
constexpr int kButtonExtraWidth = 7;
constexpr int kButtonExtraHeight = 6;
// The light grey ground of the images takes the colour of the buttons.
constexpr COLORREF kImageGround = RGB(192, 192, 192);
// The bar is placed by its parent, not by the control itself.
constexpr DWORD kPlacedByParent = CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
