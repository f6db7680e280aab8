#include "real_input.h"

#include <iterator>

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

void RightClick(POINT screenPoint) {
    MovePointer(screenPoint);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    Send(input);
    Sleep(60);
    input.mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    Send(input);
    Sleep(60);
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

void PressKeys(std::initializer_list<WORD> virtualKeys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    for (WORD key : virtualKeys) {
        input.ki.wVk = key;
        input.ki.dwFlags = 0;
        Send(input);
        Sleep(30);
    }
    for (auto key = std::rbegin(virtualKeys); key != std::rend(virtualKeys); ++key) {
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        Send(input);
        Sleep(30);
    }
    Sleep(30);
}

void TypeText(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            PressKey(VK_RETURN);
            continue;
        }
        // A character without its key: the system hands it to the window as WM_CHAR, whatever the
        // keyboard layout, the way an input method does.
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = static_cast<unsigned char>(c);
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        Send(input);
        input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        Send(input);
        Sleep(15);
    }
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
