#include "render/bitmap_file_check.h"

#include <algorithm>

namespace tagmora {

namespace {

constexpr std::uint64_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;  // the old OS/2 header: 16-bit sizes, 3-byte colours
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kLargestHeader = 124;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3 };

std::uint32_t Little(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

}  // namespace

bool IsWholeBitmapFile(std::string_view head, std::uint64_t fileSize) {
    if (head.size() < kFileHeader + 4 || head.substr(0, 2) != "BM")
        return false;
    const std::uint64_t pixelOffset = Little(head, 10, 4);
    const std::uint32_t headerSize = Little(head, 14, 4);
    const bool core = headerSize == kCoreHeader;
    if ((!core && (headerSize < kInfoHeader || headerSize > kLargestHeader)) ||
        head.size() < kFileHeader + headerSize) {
        return false;
    }
    // Sizes are signed in an information header (a negative height is a top-down picture), unsigned in
    // the old one.
    const auto size = [&](std::size_t coreAt, std::size_t infoAt) -> std::int64_t {
        if (core)
            return Little(head, coreAt, 2);
        return static_cast<std::int32_t>(Little(head, infoAt, 4));
    };
    const std::int64_t width = size(18, 18);
    const std::int64_t signedHeight = size(20, 22);
    const std::int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    const std::uint32_t planes = Little(head, core ? 22 : 26, 2);
    const std::uint32_t bits = Little(head, core ? 24 : 28, 2);
    const std::uint32_t compression = core ? kRgb : Little(head, 30, 4);
    if (planes != 1 || width < 1 || height < 1 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        width * height > kMaxBitmapPixels) {
        return false;
    }

    std::uint64_t pixelBytes = 0;
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    switch (compression) {
        case kRgb:
            if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
                return false;
            pixelBytes = stride * static_cast<std::uint64_t>(height);
            break;
        case kBitfields:
            if (bits != 16 && bits != 32)
                return false;
            pixelBytes = stride * static_cast<std::uint64_t>(height);
            break;
        case kRle8:
        case kRle4:
            // Runs say where they end only in the size the header states; they are never top-down.
            if (bits != (compression == kRle8 ? 8u : 4u) || signedHeight < 0)
                return false;
            pixelBytes = Little(head, 34, 4);
            if (pixelBytes == 0)
                return false;
            break;
        default:
            return false;
    }

    // The colour table (and an information header's three colour masks) follow the header.
    const std::uint32_t used = core ? 0 : Little(head, 46, 4);
    const std::uint64_t colours = used ? std::min<std::uint32_t>(used, 256) : bits <= 8 ? 1u << bits : 0;
    const std::uint64_t masks = compression == kBitfields && headerSize == kInfoHeader ? 12 : 0;
    const std::uint64_t headersEnd = kFileHeader + headerSize + masks + colours * (core ? 3 : 4);
    return headersEnd <= fileSize && pixelOffset >= kFileHeader + headerSize && pixelOffset <= fileSize &&
           pixelBytes <= fileSize - pixelOffset;
}

}  // namespace tagmora
