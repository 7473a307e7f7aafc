#pragma once

#include <windows.h>

// What the player does with the keyboard and the mouse, through the system's input queue.
void PressKey(WORD key, bool control = false);
void MovePointerTo(HWND window);  // the centre of the window
void MovePointerTo(POINT screen);
void ClickLeft();
void PressLeft();
void ReleaseLeft();
