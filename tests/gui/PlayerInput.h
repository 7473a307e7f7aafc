#pragma once

#include <windows.h>

// What the player does with the keyboard and the mouse, through the system's input queue.
void PressKey(WORD key, bool control = false);
// A key pressed with a modifier held: VK_SHIFT, VK_CONTROL or VK_MENU.
void PressKeyWith(WORD modifier, WORD key);
// A held key repeats with key-downs alone.
void KeyDown(WORD key);
void KeyUp(WORD key);
void MovePointerTo(HWND window);  // the centre of the window
void MovePointerTo(POINT screen);
void ClickLeft();
void PressLeft();
void ReleaseLeft();
