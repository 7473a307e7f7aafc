#include "framework/CDataExchange.h"

#include <cwchar>

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
    const WideText wanted = Widen(value);
    wchar_t shown[kTextCapacity] = L"";
    GetWindowTextW(control, shown, kTextCapacity);
    if (std::wcscmp(shown, wanted.c_str()) != 0) {
        SetWindowTextW(control, wanted.c_str());
    }
}
