#include "real_input.h"

#include "program_session.h"

namespace tagmora::acceptance {
namespace {

void Send(INPUT input) {
    SendInput(1, &input, sizeof input);
}

}  // namespace

void MovePointer(POINT screenPoint) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = static_cast<LONG>((screenPoint.x * 65536LL + width / 2) / width);
    input.mi.dy = static_cast<LONG>((screenPoint.y * 65536LL + height / 2) / height);
    Send(input);
    Sleep(30);
    POINT now{};
    // The normalised coordinates can round to the neighbouring pixel; the pointer is put exactly there.
    if (GetCursorPos(&now) && (now.x != screenPoint.x || now.y != screenPoint.y)) {
        SetCursorPos(screenPoint.x, screenPoint.y);
        Sleep(20);
    }
}

void LeftButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    Send(input);
    Sleep(60);
}

void Click(POINT screenPoint) {
    MovePointer(screenPoint);
    LeftButton(true);
    LeftButton(false);
}

void Drag(POINT from, POINT to) {
    MovePointer(from);
    LeftButton(true);
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) {
        MovePointer({from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps});
    }
    LeftButton(false);
}

void PressKey(WORD virtualKey) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    Send(input);
    Sleep(30);
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    Send(input);
    Sleep(60);
}

bool Activate(HWND window) {
    if (GetForegroundWindow() == window)
        return true;
    RECT frame{};
    GetWindowRect(window, &frame);
    const RECT client = ClientRectOnScreen(window);
    // The middle of the caption bar, between the frame's top edge and the client area.
    Click({(frame.left + frame.right) / 2 - 40, (frame.top + client.top) / 2});
    if (WaitUntil([window] { return GetForegroundWindow() == window; }, std::chrono::seconds(2)))
        return true;
    SetForegroundWindow(window);
    return WaitUntil([window] { return GetForegroundWindow() == window; }, std::chrono::seconds(2));
}

}  // namespace tagmora::acceptance
