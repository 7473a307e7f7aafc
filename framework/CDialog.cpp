#include "framework/CDialog.h"

#include "framework/CWinApp.h"

namespace {
constexpr INT_PTR kStillRunning = -1;

void CenterOver(HWND window, HWND owner) {
    RECT area;
    if (owner != nullptr && !IsIconic(owner)) {
        GetWindowRect(owner, &area);
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT own;
    GetWindowRect(window, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal() {
    HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (owner == nullptr && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != nullptr &&
        AfxGetApp()->m_pMainWnd != this) {
        owner = AfxGetApp()->m_pMainWnd->m_hWnd;
    }
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disableOwner) {
        EnableWindow(owner, FALSE);
    }

    m_nModalResult = kStillRunning;
    HWND dialog = CreateDialogParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), owner,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (dialog == nullptr) {
        m_nModalResult = IDCANCEL;
    } else if (!IsWindowVisible(dialog) && m_nModalResult == kStillRunning) {
        // A modal dialog shows itself, whether or not its template says so.
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    MSG msg;
    while (m_nModalResult == kStillRunning) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) {
                PostQuitMessage(static_cast<int>(msg.wParam));
            }
            m_nModalResult = IDCANCEL;
            break;
        }
        if (!WalkPreTranslate(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    if (disableOwner) {
        EnableWindow(owner, TRUE);
    }
    if (dialog != nullptr && IsWindow(dialog)) {
        if (owner != nullptr) {
            SetActiveWindow(owner);
        }
        DestroyWindow(dialog);
    }
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->SubclassWindow(hWnd);
    RECT before;
    ::GetWindowRect(hWnd, &before);
    const BOOL focus = dialog->OnInitDialog();
    RECT after;
    ::GetWindowRect(hWnd, &after);
    // A dialog that its initialisation did not move is centred over its owner.
    if (before.left == after.left && before.top == after.top) {
        CenterOver(hWnd, GetWindow(hWnd, GW_OWNER));
    }
    return focus;
}

BOOL CDialog::WalkPreTranslate(MSG* pMsg) {
    if (pMsg->hwnd == nullptr || (pMsg->hwnd != m_hWnd && !IsChild(m_hWnd, pMsg->hwnd))) {
        return FALSE;
    }
    for (HWND window = pMsg->hwnd; window != nullptr; window = GetParent(window)) {
        CWnd* object = FromHandlePermanent(window);
        if (object != nullptr && object->PreTranslateMessage(pMsg)) {
            return TRUE;
        }
        if (window == m_hWnd) {
            break;
        }
    }
    return FALSE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    // The dialog manager's own keys: Enter, Esc, Tab and the mnemonics.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        return IsDialogMessageW(m_hWnd, pMsg);
    }
    return FALSE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
