#pragma once

#include "framework/CDialog.h"
#include "framework/CEdit.h"

// The About box: rules, two links, and a hidden box that takes typed codes.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    CString m_strHint;  // what the hint code shows
    CString m_strCode;  // what was typed last
    HCURSOR m_hLinkCursor;
    CEdit m_editSecret;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnChangeSecret();
    void OnLButtonDown(UINT nFlags, CPoint point);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

    DECLARE_MESSAGE_MAP()

private:
    // Whether the pointer is over the link label with the id, its whole rectangle counted.
    BOOL PointerOver(int nID) const;
    CString LinkText(int nID) const;
};
