#include "app/preview_control.h"

#include <climits>
#include <utility>

#include "dialogs/address_editor.h"
#include "model/sheet_persistence.h"
#include "model/working_folder.h"
#include "print/print_job.h"
#include "render/colour_blend.h"
#include "render/label_drawing.h"
#include "render/offscreen_buffer.h"
#include "render/true_size_layout.h"
#include "win/gdi.h"

namespace tagmora {
namespace {

constexpr const char* kWindowClass = "TagmoraPreview";
constexpr Colour kOutlineBlack = 0x00000000;

// A press point that lies in no label: a release with no press in this control before it toggles
// nothing.
constexpr DevicePoint kNoPress{INT_MIN, INT_MIN};

// The full path, whatever the current folder: the program's own file, never one of that name wherever the
// current folder happens to be.
std::string StateFilePath() {
    return WorkingFolder() + kStateFileName;
}

DevicePoint PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

PreviewControl::PreviewControl(HWND dialog, int placeholderId)
    : dialog_(dialog), controlId_(placeholderId), leftPress_(kNoPress), rightPress_(kNoPress) {
    const Placeholder placeholder = TakePlaceholder(dialog, placeholderId);
    CreateObjectWindow(kWindowClass, &ObjectWindowProcedure<PreviewControl>, dialog, placeholderId,
                       placeholder.place, this);
    SetCurrentDirectoryA(WorkingFolder().c_str());
    saveAtExit_ = LoadStateFile(sheet_, StateFilePath()).saveAtExit;
    LayOutForScreen();
    Redraw();
}

PreviewControl::~PreviewControl() {
    DestroyObjectWindow(window_);
    if (saveAtExit_)
        SaveToPath(StateFilePath());
    if (CurrentSheet() == this)
        SetCurrentSheet(nullptr);
}

void PreviewControl::LayOutForScreen() {
    RECT client{};
    if (window_)
        GetClientRect(window_, &client);
    layout_ =
        LayOutPreview(sheet_.Settings(), DeviceRect{client.left, client.top, client.right, client.bottom});
    logoAspect_ = canvas_.LogoAspect(sheet_.Settings().LOGO);
}

void PreviewControl::Redraw() {
    if (window_)
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void PreviewControl::LoadFromPath(const std::string& path) {
    LoadSheetFromPath(sheet_, path);
    LayOutForScreen();
    Redraw();
}

bool PreviewControl::SaveToPath(const std::string& path) const {
    return SaveSheetToPath(sheet_, path);
}

void PreviewControl::PrintJob() {
    tagmora::PrintJob(dialog_, sheet_);
}

bool PreviewControl::EditSlot(int slotIndex) {
    // Owned by the Main Window, which the modal run disables: no click reaches the preview or a button
    // while the editor holds its working copy of the slot.
    AddressEditor editor(sheet_, slotIndex, dialog_);
    return editor.RunModal() == IDOK;
}

LRESULT PreviewControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            // The paint covers every pixel; erasing first would only flicker.
            return 1;
        case WM_LBUTTONDOWN:
            Press(leftPress_, lParam);
            break;
        case WM_LBUTTONUP: {
            const int hit = Release(leftPress_, lParam, wParam & MK_RBUTTON);
            if (hit >= 0) {
                sheet_.ToggleEnabled(hit);
                Redraw();
            }
            break;
        }
        case WM_RBUTTONDOWN:
            Press(rightPress_, lParam);
            break;
        case WM_RBUTTONUP: {
            const int hit = Release(rightPress_, lParam, wParam & MK_LBUTTON);
            if (hit >= 0 && EditSlot(hit))
                Redraw();
            break;
        }
        case WM_CAPTURECHANGED:
            // Capture taken away (a dialog opened, the window lost activation): the release that
            // follows does not finish a click.
            if (reinterpret_cast<HWND>(lParam) != window_) {
                leftPress_ = kNoPress;
                rightPress_ = kNoPress;
            }
            break;
        default:
            break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void PreviewControl::Press(DevicePoint& stored, LPARAM lParam) {
    stored = PointOf(lParam);
    // Keep the release even when it happens outside the control, so that a press is always answered
    // by its own release and never by a later, unrelated one.
    SetCapture(window_);
}

int PreviewControl::Release(DevicePoint& stored, LPARAM lParam, WPARAM otherButtonHeld) {
    const DevicePoint press = std::exchange(stored, kNoPress);
    if (!otherButtonHeld && GetCapture() == window_)
        ReleaseCapture();
    return layout_.HitTest(press, PointOf(lParam));
}

void PreviewControl::Paint() {
    PaintScope paint(window_);
    OffscreenBuffer buffer(window_);
    ScopedCanvasTarget target(canvas_, buffer.DeviceContext());
    LayOutForScreen();
    canvas_.FilledRectangle(layout_.origin, kPreviewBackground);
    const RECT& client = buffer.ClientRect();
    canvas_.RectangleOutline(client.left, client.top, client.right - 1, client.bottom - 1, kOutlineBlack);
    const SheetSettings& settings = sheet_.Settings();
    for (int i = 0; i < layout_.count; ++i)
        DrawLabel(canvas_, settings, sheet_.Slot(i), layout_.slots[i], logoAspect_, false);
}

}  // namespace tagmora
