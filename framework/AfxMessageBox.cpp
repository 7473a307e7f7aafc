#include "framework/AfxMessageBox.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/Cp1251.h"

int AfxMessageBox(const wchar_t* lpszText, UINT nType) {
    const CWinApp* app = AfxGetApp();
    const HWND owner = app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr;
    return MessageBoxW(owner, lpszText, Widen(AfxGetAppName()).c_str(), nType);
}
