#include "app/image_button.h"

#include <utility>

#include "app/picture_file.h"
#include "app/program_path.h"

namespace tagmora {
namespace {

constexpr const char* kPictureSubfolder = "GFX\\";

bool LoadInto(const std::string& path, Bitmap& slot) {
    auto picture = LoadPictureFile(path);
    if (!picture)
        return false;
    slot = std::move(picture->bitmap);
    return true;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!GetObjectA(bitmap, sizeof info, &info))
        return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

}  // namespace

std::string DefaultPictureFolder() {
    return ProgramFolder() + kPictureSubfolder;
}

ImageButton::ImageButton() : ImageButton(DefaultPictureFolder()) {}

ImageButton::ImageButton(std::string pictureFolder) : pictureFolder_(std::move(pictureFolder)) {}

void ImageButton::Attach(HWND dialog, int controlId, const std::string& upPicture,
                         const std::string& downPicture) {
    if (attached_)
        return;
    if (!LoadInto(pictureFolder_ + upPicture, up_))
        return;
    if (!LoadInto(pictureFolder_ + downPicture, down_))
        return;
    HWND control = GetDlgItem(dialog, controlId);
    if (!control)
        return;

    const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    SetWindowLongPtrA(control, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    if (!Subclass(control))
        return;
    controlId_ = controlId;
    attached_ = true;
    InvalidateRect(control, nullptr, TRUE);
}

HBITMAP ImageButton::ChooseBitmap(UINT itemState) const {
    if ((itemState & ODS_SELECTED) && down_)
        return down_.Get();
    if ((itemState & ODS_FOCUS) && focus_)
        return focus_.Get();
    if ((itemState & ODS_DISABLED) && disabled_)
        return disabled_.Get();
    return up_.Get();
}

void ImageButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
    HBITMAP bitmap = ChooseBitmap(item.itemState);
    if (!bitmap || !item.hDC)
        return;
    const RECT& rect = item.rcItem;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    // The pictures sit on the windows' white; a picture smaller than its button gets white around it
    // rather than whatever a copy from outside the bitmap would give.
    const SIZE size = BitmapSize(bitmap);
    if (size.cx < width || size.cy < height)
        FillRect(item.hDC, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    MemoryDC memory(item.hDC);
    if (!memory.Get())
        return;
    ScopedSelection selection(memory.Get(), bitmap);
    BitBlt(item.hDC, rect.left, rect.top, width < size.cx ? width : size.cx,
           height < size.cy ? height : size.cy, memory.Get(), 0, 0, SRCCOPY);
}

LRESULT ImageButton::OnControlMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // An owner-drawn button turns a second quick click into BN_DOUBLECLICKED, which the dialogs ignore; the
    // text button it replaces counted it as a click, so this one does too.
    if (message == WM_LBUTTONDBLCLK)
        message = WM_LBUTTONDOWN;
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace tagmora
