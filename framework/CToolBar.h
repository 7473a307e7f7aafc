#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/CWnd.h"
#include "framework/ToolBarFigures.h"

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
