#pragma once

#include <windows.h>

// A GDI brush that the window owns and deletes.
class CBrush {
public:
    CBrush() = default;
    ~CBrush() { DeleteObject(); }
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;

    BOOL CreateSolidBrush(COLORREF color) {
        DeleteObject();
        m_hBrush = ::CreateSolidBrush(color);
        return m_hBrush != nullptr;
    }
    void DeleteObject() {
        if (m_hBrush != nullptr) {
            ::DeleteObject(m_hBrush);
            m_hBrush = nullptr;
        }
    }
    operator HBRUSH() const { return m_hBrush; }

private:
    HBRUSH m_hBrush = nullptr;
};
