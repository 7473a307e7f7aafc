#pragma once

#include <windows.h>

// A GDI font that the window owns and deletes.
class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // The face name is Windows-1251, like every text of the game.
    BOOL CreateFontIndirect(const LOGFONTA* description);
    void DeleteObject() {
        if (m_hFont != nullptr) {
            ::DeleteObject(m_hFont);
            m_hFont = nullptr;
        }
    }
    operator HFONT() const { return m_hFont; }

private:
    HFONT m_hFont = nullptr;
};
