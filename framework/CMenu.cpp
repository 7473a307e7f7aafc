#include "framework/CMenu.h"

#include "framework/Cp1251.h"

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text) {
    return ::AppendMenuW(m_hMenu, flags, id, text != nullptr ? Widen(text).c_str() : nullptr);
}
