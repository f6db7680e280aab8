#include "sheet_drawing.h"

#include <fstream>

#include "render/colour_blend.h"
#include "render/label_drawing.h"

namespace tagmora::bench {

DibPage::DibPage(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info = TopDownBitmapInfo(width, height);
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_)
        return;
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
}

DibPage::~DibPage() {
    if (previous_)
        SelectObject(dc_.Get(), previous_);
}

std::uint64_t DibPage::Fingerprint() const {
    GdiFlush();
    std::uint64_t hash = 1469598103934665603ull;
    const std::size_t count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    for (std::size_t i = 0; i < count && bits_; ++i) {
        hash = (hash ^ bits_[i]) * 1099511628211ull;
    }
    return hash;
}

bool DibPage::WriteBitmapFile(const std::string& path) const {
    GdiFlush();
    const std::uint32_t imageBytes =
        static_cast<std::uint32_t>(width_) * static_cast<std::uint32_t>(height_) * 4u;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + imageBytes;
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = -height_;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    info.biSizeImage = imageBytes;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(bits_), static_cast<std::streamsize>(imageBytes));
    return static_cast<bool>(out);
}

void FillWithVariedAddresses(LabelSheet& sheet, bool allEnabled) {
    static const char* const kNames[] = {
        "Mr J. Smith",       "Mrs A. Patel && Family", "Dr Helen O'Brien",
        "Smith && Sons Ltd", "Ms Q. Lindqvist",        "The Occupier",
        "Prof. M. Okonkwo",  "Rose && Crown Inn",      "Mr T. Wainwright-Jones",
        "Accounts Dept."};
    static const char* const kStreets[] = {"12 High Street",    "Flat 3, 41 Queen's Road",
                                           "The Old Mill",      "Unit 7, Riverside Park",
                                           "221B Baker Street", "1 Long Lane",
                                           "Rosemary Cottage",  "88 Kingsway"};
    static const char* const kTowns[] = {"LONG EATON", "ABERYSTWYTH",       "BATH", "MILTON KEYNES", "YORK",
                                         "ST IVES",    "KIRKBY-IN-ASHFIELD"};
    static const char* const kCodes[] = {"NG10 1AB", "SY23 2AX", "BA1 1LZ", "MK9 3QA", "YO1 7HH", "TR26 2LP"};

    for (int i = 0; i < kSlotCount; ++i) {
        LabelSlot& slot = sheet.Slot(i);
        std::string address = kNames[i % 10];
        address += "\r\n";
        address += kStreets[(i * 3) % 8];
        if (i % 4 != 3) {
            address += "\r\n";
            address += kTowns[(i * 5) % 7];
        }
        if (i % 3 != 2) {
            address += "\r\n";
            address += kCodes[(i * 7) % 6];
        }
        if (i % 11 == 0)
            address += "\r\nUNITED KINGDOM";
        slot.DEST = address;
        slot.enabled = allEnabled || i % 3 != 1;
    }
}

void DrawLikeThePreview(Canvas& canvas, LabelSheet& sheet, int width, int height) {
    const SheetLayout layout = LayOutSheet(sheet.Settings(), {0, 0, width, height});
    const float logoAspect = canvas.LogoAspect(sheet.Settings().LOGO);
    canvas.FilledRectangle(layout.origin, kPreviewBackground);
    canvas.RectangleOutline(0, 0, width - 1, height - 1, 0x00000000);
    for (int i = 0; i < layout.count; ++i) {
        DrawLabel(canvas, sheet.Settings(), sheet.Slot(i), layout.slots[static_cast<std::size_t>(i)],
                  logoAspect, false);
    }
}

void DrawLikeThePrintedPage(Canvas& canvas, LabelSheet& sheet, int width, int height) {
    const SheetLayout layout = LayOutSheet(sheet.Settings(), {0, 0, width, height});
    const float logoAspect = canvas.LogoAspect(sheet.Settings().LOGO);
    for (int i = 0; i < layout.count; ++i) {
        DrawLabel(canvas, sheet.Settings(), sheet.Slot(i), layout.slots[static_cast<std::size_t>(i)],
                  logoAspect, true);
    }
}

}  // namespace tagmora::bench
