#include <windows.h>

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: SetDlgItemTextW(dialog, 1000, L"Ready"); return TRUE;
        case WM_CLOSE: EndDialog(dialog, IDCANCEL); return TRUE;
        case WM_COMMAND: return LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL;
        default: return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(1), nullptr, &DialogProc, 0));
}
