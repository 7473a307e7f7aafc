#pragma once

#include <windows.h>

// A device context the game draws or colours with; it does not own the handle.
class CDC {
public:
    HDC m_hDC = nullptr;

    explicit CDC(HDC hDC = nullptr) : m_hDC(hDC) {}
    operator HDC() const { return m_hDC; }

    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
};
