#include "framework/CToolBar.h"

#include <vector>

#include "framework/CWinApp.h"

BEGIN_MESSAGE_MAP(CToolBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, &CToolBar::OnSizeParent)
END_MESSAGE_MAP()

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID) {
    m_borders = rcBorders;
    const DWORD style = dwStyle | dwCtrlStyle | kPlacedByParent;
    HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", style, 0, 0, 0, 0, pParentWnd->m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), AfxGetInstanceHandle(), nullptr);
    if (bar == nullptr) {
        return FALSE;
    }
    SubclassWindow(bar);
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource) {
    HINSTANCE instance = AfxGetInstanceHandle();
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(nIDResource), MAKEINTRESOURCEW(kToolBarResourceType));
    HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
    const auto* data = loaded != nullptr ? static_cast<const ToolBarData*>(LockResource(loaded)) : nullptr;
    if (data == nullptr || data->wVersion != kToolBarVersion) {
        return FALSE;
    }

    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(data->wWidth, data->wHeight));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(data->wWidth + kButtonExtraWidth, data->wHeight + kButtonExtraHeight));

    COLORMAP ground = {kImageGround, GetSysColor(COLOR_BTNFACE)};
    HBITMAP images = CreateMappedBitmap(instance, static_cast<INT_PTR>(nIDResource), 0, &ground, 1);
    if (images == nullptr) {
        return FALSE;
    }
    TBADDBITMAP bitmap = {nullptr, reinterpret_cast<UINT_PTR>(images)};
    SendMessage(TB_ADDBITMAP, data->wItemCount, reinterpret_cast<LPARAM>(&bitmap));

    std::vector<TBBUTTON> buttons(data->wItemCount);
    for (WORD i = 0; i < data->wItemCount; ++i) {
        buttons[i] = TBBUTTON{};
        buttons[i].iBitmap = i;
        buttons[i].idCommand = data->Items()[i];
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON;
    }
    SendMessage(TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    return TRUE;
}

int CToolBar::CalcHeight() const {
    const LRESULT size = SendMessage(TB_GETBUTTONSIZE, 0, 0);
    return HIWORD(size) + m_borders.top + m_borders.bottom;
}

LRESULT CToolBar::OnSizeParent(WPARAM, LPARAM lParam) {
    auto* free = reinterpret_cast<RECT*>(lParam);
    const int height = CalcHeight();
    ::SetWindowPos(m_hWnd, nullptr, free->left, free->top, free->right - free->left, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    free->top += height;
    return 0;
}
