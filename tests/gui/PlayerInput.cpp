#include "PlayerInput.h"

#include <cstdlib>

#include "GameWindow.h"

namespace {

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void Mouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

}  // namespace

void PressKey(WORD key, bool control) {
    if (control) {
        PressKeyWith(VK_CONTROL, key);
        return;
    }
    INPUT inputs[] = {Key(key, false), Key(key, true)};
    SendInput(2, inputs, sizeof(INPUT));
}

void PressKeyWith(WORD modifier, WORD key) {
    INPUT inputs[] = {Key(modifier, false), Key(key, false), Key(key, true), Key(modifier, true)};
    SendInput(4, inputs, sizeof(INPUT));
}

void KeyDown(WORD key) {
    INPUT input = Key(key, false);
    SendInput(1, &input, sizeof input);
}

void KeyUp(WORD key) {
    INPUT input = Key(key, true);
    SendInput(1, &input, sizeof input);
}

void MovePointerTo(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    // The pointer gets there a little later; a click before that would land elsewhere.
    WaitUntil([&] {
        POINT now;
        GetCursorPos(&now);
        return std::abs(now.x - screen.x) <= 1 && std::abs(now.y - screen.y) <= 1;
    });
}

void MovePointerTo(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MovePointerTo(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void PressLeft() {
    Mouse(MOUSEEVENTF_LEFTDOWN);
}
void ReleaseLeft() {
    Mouse(MOUSEEVENTF_LEFTUP);
}
void ClickLeft() {
    PressLeft();
    ReleaseLeft();
}
