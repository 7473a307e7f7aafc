#pragma once

#include <windows.h>

// A menu the window edits; the window owns the menu itself.
class CMenu {
public:
    HMENU m_hMenu = nullptr;

    // Texts are Windows-1251.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);
    BOOL RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }
};
