#include "framework/CDataExchange.h"

#include <string>

#include "framework/CWnd.h"
#include "framework/Cp1251.h"

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
    if (control == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        CWnd::FromHandle(control)->GetWindowText(value);
        return;
    }
    // The clock comes here for six texts ten times a second: compare on the control itself,
    // and send only a text that changed.
    const std::wstring wanted = Widen(value);
    const int length = GetWindowTextLengthW(control);
    if (length == static_cast<int>(wanted.size())) {
        std::wstring shown(wanted.size() + 1, L'\0');
        GetWindowTextW(control, shown.data(), length + 1);
        shown.resize(wanted.size());
        if (shown == wanted) {
            return;
        }
    }
    SetWindowTextW(control, wanted.c_str());
}
