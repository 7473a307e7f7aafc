#pragma once

#include <string>

#include "framework/CString.h"

// The game's texts are Windows-1251; the platform's W functions take UTF-16.
std::wstring Widen(const char* text);
CString Narrow(const wchar_t* text);
