#pragma once

#include <windows.h>

// A box with the application's name as caption, over the main window once it shows. The text is
// UTF-16, as it may name a file, whose name may hold any character.
int AfxMessageBox(const wchar_t* lpszText, UINT nType = MB_OK);
