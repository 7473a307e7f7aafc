#pragma once

#include <windows.h>

#include <vector>

#include "framework/CCmdTarget.h"
#include "framework/CDC.h"
#include "framework/CMenu.h"
#include "framework/CRect.h"
#include "framework/CString.h"

class CDataExchange;
class CFont;

// The message with which RepositionBars asks each control bar in its id range to take its room:
// lParam points to the client rectangle still free, which the bar shrinks by what it takes. It
// is in the range the platform leaves to the framework, so a control that is no bar ignores it.
constexpr UINT WM_SIZEPARENT = WM_AFXFIRST + 1;

// A window of the game. Its messages go through the message map; what no entry takes gets
// the window's own default processing.
class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    operator HWND() const { return m_hWnd; }

    // The object of a window: its own if it has one, else a stand-in that lives until the
    // current message has been handled.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Routes the window's messages through this object until the window is destroyed.
    BOOL SubclassWindow(HWND hWnd);

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);
    // TRUE when the message has been dealt with and must not be dispatched.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Texts are Windows-1251.
    void SetWindowText(const char* text);
    void GetWindowText(CString& text) const;
    // No caption means the application's name.
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);

    // A dialog's controls live as long as it does: each is looked up once and its handle kept,
    // so a control destroyed and made anew under the same id is not seen (no dialog of the game
    // does that); a control that is not there yet is looked up again. The clock asks for six of
    // them ten times a second.
    void GetDlgItem(int nID, HWND* phWnd) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
    }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon) {
        return reinterpret_cast<HICON>(
            SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
    }
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CMenu* GetSystemMenu(BOOL bRevert);
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT flags);
    // Lets the control bars with ids from nIDFirst to nIDLast take their room along the top of the
    // client area, one below the other (WM_SIZEPARENT).
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver);

    static const CWnd wndBottom;

protected:
    // The default processing of the message being handled.
    LRESULT Default();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void PostNcDestroy() {}

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnClose();

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Detach();

    struct Control {
        int nID;
        HWND hWnd;
    };

    WNDPROC m_pfnSuper = nullptr;
    CMenu m_menuSystem;
    mutable std::vector<Control> m_controls;
};
