#pragma once
// What the application's window tests share: whether this test run has a display to open windows on, a
// script that drives a modal dialog from a thread timer (so no test blocks on a modal window), the
// capture of user messages, and pictures written on the fly.

#include <windows.h>

// GDI+'s headers use the COM declarations without including them.
// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/user_message.h"
#include "tests/core/captured_messages.h"

namespace tagmora::apptest {

// Wine without a display cannot create windows; such a run skips the window tests.
inline bool WindowsAvailable() {
    static const bool available = [] {
        HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
        if (!probe)
            return false;
        DestroyWindow(probe);
        return true;
    }();
    return available;
}

#define SKIP_WITHOUT_WINDOWS()                                                   \
    do {                                                                         \
        if (!::tagmora::apptest::WindowsAvailable())                             \
            GTEST_SKIP() << "no display: windows cannot be created in this run"; \
    } while (0)

// Dispatches this thread's messages for a while (timers, paints, posted input).
inline void PumpFor(std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    MSG message;
    while (std::chrono::steady_clock::now() < end) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
}

// Runs steps from a thread timer, which ticks in whatever message loop runs on this thread, nested modal
// loops included. A step returns true when it is done and false to be called again at the next tick. When
// the deadline passes, every dialog of this thread is ended so that the test fails instead of hanging.
class ModalScript {
  public:
    using Step = std::function<bool()>;

    explicit ModalScript(std::vector<Step> steps,
                         std::chrono::milliseconds deadline = std::chrono::seconds(20))
        : steps_(std::move(steps)), deadline_(std::chrono::steady_clock::now() + deadline) {
        Current() = this;
        timer_ = SetTimer(nullptr, 0, 25, &ModalScript::OnTick);
    }
    ~ModalScript() {
        KillTimer(nullptr, timer_);
        Current() = nullptr;
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    bool Finished() const { return next_ == steps_.size(); }
    bool TimedOut() const { return timedOut_; }

    // A step that waits for the given time (counted from its first call).
    static Step Wait(std::chrono::milliseconds duration) {
        auto start = std::make_shared<std::chrono::steady_clock::time_point>();
        auto started = std::make_shared<bool>(false);
        return [=] {
            if (!*started) {
                *started = true;
                *start = std::chrono::steady_clock::now();
            }
            return std::chrono::steady_clock::now() - *start >= duration;
        };
    }
    // A step that runs once.
    static Step Do(std::function<void()> action) {
        return [action = std::move(action)] {
            action();
            return true;
        };
    }

  private:
    static ModalScript*& Current() {
        static ModalScript* current = nullptr;
        return current;
    }
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
        if (ModalScript* script = Current())
            script->Tick();
    }
    static BOOL CALLBACK EndThreadDialog(HWND window, LPARAM) {
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770")
            EndDialog(window, IDABORT);
        return TRUE;
    }
    void Tick() {
        if (running_)
            return;  // a step opened a modal loop of its own
        if (std::chrono::steady_clock::now() > deadline_) {
            timedOut_ = true;
            EnumThreadWindows(GetCurrentThreadId(), &EndThreadDialog, 0);
            return;
        }
        if (next_ >= steps_.size())
            return;
        running_ = true;
        const bool done = steps_[next_]();
        running_ = false;
        if (done)
            ++next_;
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    std::chrono::steady_clock::time_point deadline_;
    bool running_ = false;
    bool timedOut_ = false;
    UINT_PTR timer_ = 0;
};

// The messages the program would have shown in a message box.
using CapturedMessages = testing::CapturedMessages;

// GDI+ for the pictures the tests write.
inline void EnsureGdiplus() {
    static ULONG_PTR token = [] {
        ULONG_PTR started = 0;
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&started, &input, nullptr);
        return started;
    }();
    (void)token;
}

// A JPEG of one colour (0x00BBGGRR) and the given size.
inline bool WriteJpeg(const std::string& path, int width, int height, COLORREF colour) {
    EnsureGdiplus();
    UINT count = 0;
    UINT bytes = 0;
    Gdiplus::GetImageEncodersSize(&count, &bytes);
    std::vector<unsigned char> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (bytes == 0 || Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok)
        return false;
    const CLSID* jpeg = nullptr;
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(encoders[i].MimeType) == L"image/jpeg")
            jpeg = &encoders[i].Clsid;
    }
    if (!jpeg)
        return false;
    Gdiplus::Bitmap bitmap(width, height, PixelFormat24bppRGB);
    {
        Gdiplus::Graphics graphics(&bitmap);
        Gdiplus::SolidBrush brush(
            Gdiplus::Color(255, GetRValue(colour), GetGValue(colour), GetBValue(colour)));
        graphics.FillRectangle(&brush, 0, 0, width, height);
    }
    const std::wstring widePath(path.begin(), path.end());
    return bitmap.Save(widePath.c_str(), jpeg, nullptr) == Gdiplus::Ok;
}

// JPEG compression moves a flat colour by a few units at most.
inline bool NearColour(COLORREF actual, COLORREF expected, int tolerance = 12) {
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
           std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
           std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}

// What a window shows now: its pixels copied from its own device context.
inline COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

}  // namespace tagmora::apptest
