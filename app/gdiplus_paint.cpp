#include "app/gdiplus_paint.h"

// GDI+'s headers use the COM declarations without including them.
// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

namespace tagmora {

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;  // version 1, no callback, nothing suppressed
    started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
}

GdiplusSession::~GdiplusSession() {
    if (started_)
        Gdiplus::GdiplusShutdown(token_);
}

void PaintOpaqueWhite(HDC dc, const RECT& rect) {
    {
        Gdiplus::Graphics graphics(dc);
        if (graphics.GetLastStatus() == Gdiplus::Ok) {
            const Gdiplus::SolidBrush white(Gdiplus::Color(0xFFFFFFFF));
            if (graphics.FillRectangle(&white, static_cast<INT>(rect.left), static_cast<INT>(rect.top),
                                       static_cast<INT>(rect.right - rect.left),
                                       static_cast<INT>(rect.bottom - rect.top)) == Gdiplus::Ok) {
                return;
            }
        }
    }
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

}  // namespace tagmora
