#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/CWnd.h"

constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
constexpr UINT AFX_IDW_CONTROLBAR_FIRST = 0xE800;
constexpr UINT AFX_IDW_CONTROLBAR_LAST = 0xE8FF;

// A row of buttons built from a toolbar resource: its button ids and one bitmap of images.
class CToolBar : public CWnd {
public:
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID);
    BOOL LoadToolBar(UINT nIDResource);
    // The height the bar needs for its buttons and borders.
    int CalcHeight() const;

protected:
    // Takes the full width at the top of the free rectangle that lParam points to.
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    CRect m_borders;
};
