#include "framework/CDataExchange.h"

#include "framework/CWnd.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd == nullptr) {
        HWND control;
        pDX->m_pDlgWnd->GetDlgItem(nIDC, &control);
        rControl.SubclassWindow(control);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND control;
    pDX->m_pDlgWnd->GetDlgItem(nIDC, &control);
    CWnd* window = CWnd::FromHandle(control);
    if (window == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        window->GetWindowText(value);
        return;
    }
    CString shown;
    window->GetWindowText(shown);
    if (shown != value) {
        window->SetWindowText(value);
    }
}
