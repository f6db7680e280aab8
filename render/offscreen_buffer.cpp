#include "render/offscreen_buffer.h"

namespace tagmora {

namespace {

RECT ClientRectOf(HWND window) {
    RECT client{};
    if (!GetClientRect(window, &client))
        client = RECT{};
    return client;
}

// CreateCompatibleBitmap makes a 1 x 1 monochrome bitmap for an empty size; an empty window gets none.
Bitmap CreateBufferBitmap(HDC windowDC, const RECT& client) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (!windowDC || width <= 0 || height <= 0)
        return Bitmap();
    return Bitmap(CreateCompatibleBitmap(windowDC, width, height));
}

}  // namespace

OffscreenBuffer::OffscreenBuffer(HWND window)
    : window_(window),
      windowDC_(window),
      memoryDC_(windowDC_.Get()),
      client_(ClientRectOf(window)),
      bitmap_(CreateBufferBitmap(windowDC_.Get(), client_)),
      savedState_(memoryDC_.Get()),
      bitmapSelection_(memoryDC_.Get(), bitmap_.Get()) {}

OffscreenBuffer::~OffscreenBuffer() {
    CopyToWindow();
}

void OffscreenBuffer::CopyToWindow() const {
    if (!window_ || !windowDC_.Get() || !memoryDC_.Get() || !bitmap_)
        return;
    BitBlt(windowDC_.Get(), 0, 0, client_.right - client_.left, client_.bottom - client_.top, memoryDC_.Get(),
           0, 0, SRCCOPY);
}

}  // namespace tagmora
