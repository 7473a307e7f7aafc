#include "ui/AboutDlg.h"

#include <shellapi.h>

#include <string>

#include "about/AboutTexts.h"
#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "framework/Cp1251.h"
#include "res/resource.h"
#include "ui/MainWindowLook.h"

namespace {

constexpr COLORREF kLinkColour = ColourRef(kLinkBlue);
static_assert(kLinkColour == 0x00FF0000, "pure blue");

void OpenWithShell(const CString& address) {
    ShellExecuteW(nullptr, L"open", Widen(address).c_str(), L"", L"", SW_SHOWNORMAL);
}

}  // namespace

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_EN_CHANGE(IDC_SECRET, &CAboutDlg::OnChangeSecret)
    ON_WM_LBUTTONDOWN()
    ON_WM_CTLCOLOR()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg()
    : CDialog(IDD_ABOUTBOX), m_hLinkCursor(LoadCursorW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDC_LINK_CURSOR))) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SECRET, m_editSecret);
}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemTextW(m_hWnd, IDC_CAPTION_BLOCK, Widen(kCaptionBlock).c_str());
    SetDlgItemTextW(m_hWnd, IDC_WEB_LINK, Widen(kWebAddress).c_str());
    SetDlgItemTextW(m_hWnd, IDC_MAIL_LINK, Widen(kMailAddress).c_str());
    SetDlgItemTextW(m_hWnd, IDC_RULES, Widen(kRules).c_str());
    SetDlgItemTextW(m_hWnd, IDC_THANKS, Widen(kThanks).c_str());
    // The dialog manager gives no focus to a hidden box without a tab stop: typed codes must reach it.
    ::SetFocus(m_editSecret.m_hWnd);
    return FALSE;
}

BOOL CAboutDlg::PointerOver(int nID) const {
    CPoint pointer;
    GetCursorPos(&pointer);
    HWND label;
    GetDlgItem(nID, &label);
    CRect rect;
    ::GetWindowRect(label, &rect);
    return rect.PtInRect(pointer);
}

CString CAboutDlg::LinkText(int nID) const {
    HWND label;
    GetDlgItem(nID, &label);
    CString text;
    CWnd::FromHandle(label)->GetWindowText(text);
    return text;
}

BOOL CAboutDlg::OnSetCursor(CWnd*, UINT, UINT) {
    if (PointerOver(IDC_WEB_LINK) || PointerOver(IDC_MAIL_LINK)) {
        SetCursor(m_hLinkCursor);
    } else {
        SetCursor(LoadCursorW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDC_GAME_CURSOR)));
    }
    return TRUE;
}

HBRUSH CAboutDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor != CTLCOLOR_DLG && nCtlColor != CTLCOLOR_STATIC) {
        return brush;
    }
    const int id = pWnd != nullptr ? pWnd->GetDlgCtrlID() : 0;
    if (id == IDC_WEB_LINK || id == IDC_MAIL_LINK) {
        pDC->SetTextColor(kLinkColour);
    }
    pDC->SetBkMode(TRANSPARENT);
    return GetSysColorBrush(COLOR_3DLIGHT);
}

void CAboutDlg::OnLButtonDown(UINT nFlags, CPoint point) {
    if (PointerOver(IDC_WEB_LINK)) {
        OpenWithShell(LinkText(IDC_WEB_LINK));
    } else if (PointerOver(IDC_MAIL_LINK)) {
        CString address;
        address.Format("%s%s", kMailTo, static_cast<const char*>(LinkText(IDC_MAIL_LINK)));
        OpenWithShell(address);
    } else {
        SendMessage(WM_CLOSE);
    }
    CDialog::OnLButtonDown(nFlags, point);
}
