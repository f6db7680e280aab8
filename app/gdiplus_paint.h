#pragma once
// GDI+ for the program's lifetime, and the opaque white that the Main Window and the About window paint
// behind their controls.

#include <windows.h>

namespace tagmora {

// GdiplusStartup / GdiplusShutdown: version 1, no debug callback, with the background thread and the
// external codecs.
class GdiplusSession {
  public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool Started() const { return started_; }

  private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

// Fills the rectangle with opaque white (ARGB 0xFFFFFFFF) through a GDI+ solid brush; with GDI (the same
// white) when GDI+ is not running.
void PaintOpaqueWhite(HDC dc, const RECT& rect);

}  // namespace tagmora
