#include "framework/CMenu.h"

#include <string>

#include "framework/Cp1251.h"

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text) {
    const std::wstring wide = text != nullptr ? Widen(text) : std::wstring();
    return ::AppendMenuW(m_hMenu, flags, id, text != nullptr ? wide.c_str() : nullptr);
}
