#pragma once
// Mouse and keyboard input as the system delivers a person's: SendInput, to whatever window is under the
// pointer or has the keyboard focus.

#include <windows.h>

namespace tagmora::acceptance {

void MovePointer(POINT screenPoint);
void LeftButton(bool down);
void Click(POINT screenPoint);
// Press at one point, move there in small steps, release.
void Drag(POINT from, POINT to);
void PressKey(WORD virtualKey);
// Brings the window to the front with a click on its caption, as a person would before typing.
bool Activate(HWND window);

}  // namespace tagmora::acceptance
