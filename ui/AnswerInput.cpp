#include "framework/CWinApp.h"
#include "res/resource.h"
#include "ui/TriviaDlg.h"

namespace {
// The window pauses this long at each change of the lit marker, as the game always has, so that
// the change of icon is seen.
constexpr DWORD kHighlightPauseMs = 80;
const int kMarkerIds[kAnswerCount] = {IDC_MARK_A, IDC_MARK_B, IDC_MARK_C, IDC_MARK_D};
}  // namespace

int CTriviaDlg::s_highlighted = 0;

CStatic& CTriviaDlg::Marker(int nAnswer) {
    CStatic* markers[kAnswerCount] = {&m_ctlMarkA, &m_ctlMarkB, &m_ctlMarkC, &m_ctlMarkD};
    return *markers[nAnswer - 1];
}

BOOL CTriviaDlg::OnSetCursor(CWnd*, UINT, UINT) {
    CPoint pointer;
    GetCursorPos(&pointer);
    m_nHover = 0;
    for (int k = 1; k <= kAnswerCount && m_nHover == 0; ++k) {
        HWND marker;
        GetDlgItem(kMarkerIds[k - 1], &marker);
        CRect square;
        ::GetWindowRect(marker, &square);
        if (square.PtInRect(pointer)) {
            m_nHover = k;
        }
    }

    if (m_nHover != s_highlighted) {
        if (s_highlighted >= 1 && s_highlighted <= kAnswerCount) {
            Marker(s_highlighted).SetIcon(m_hIconIdle);
        }
        if (m_nHover >= 1 && m_nHover <= kAnswerCount) {
            Marker(m_nHover).SetIcon(m_hIconHot);
            s_highlighted = m_nHover;
        }
        if (m_nHover == 0) {
            s_highlighted = 0;
        }
        Sleep(kHighlightPauseMs);
    }

    SetCursor(LoadCursorW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDC_GAME_CURSOR)));
    return TRUE;
}

void CTriviaDlg::OnLButtonDown(UINT nFlags, CPoint point) {
    HICON pressed = LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDI_MARK_PRESSED));
    if (m_nHover >= 1 && m_nHover <= kAnswerCount) {
        Marker(m_nHover).SetIcon(pressed);
    }
    CDialog::OnLButtonDown(nFlags, point);
}

void CTriviaDlg::OnLButtonUp(UINT nFlags, CPoint point) {
    HICON hot = LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDI_MARK_HOT));
    if (m_nHover >= 1 && m_nHover <= kAnswerCount) {
        Marker(m_nHover).SetIcon(hot);
        CheckAnswer(m_nHover);
    }
    CDialog::OnLButtonUp(nFlags, point);
}

BOOL CTriviaDlg::PreTranslateMessage(MSG* pMsg) {
    if (m_hAccel != nullptr && TranslateAcceleratorW(m_hWnd, m_hAccel, pMsg)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}
