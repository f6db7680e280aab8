#pragma once
// Mouse and keyboard input as the system delivers a person's: SendInput, to whatever window is under the
// pointer or has the keyboard focus.

#include <windows.h>

#include <initializer_list>
#include <string>

namespace tagmora::acceptance {

void MovePointer(POINT screenPoint);
void LeftButton(bool down);
void Click(POINT screenPoint);
void RightClick(POINT screenPoint);
// Press at one point, move there in small steps, release.
void Drag(POINT from, POINT to);
void PressKey(WORD virtualKey);
// Holds the keys down in order and lets them go in reverse: {VK_CONTROL, VK_SHIFT, VK_END}.
void PressKeys(std::initializer_list<WORD> virtualKeys);
// Types ASCII text as key presses into the window with the keyboard focus: each character as the keyboard
// would deliver it (ampersands and all), and each CR LF or LF as the Return key.
void TypeText(const std::string& text);
// Brings the window to the front with a click on its caption, as a person would before typing.
bool Activate(HWND window);

}  // namespace tagmora::acceptance
