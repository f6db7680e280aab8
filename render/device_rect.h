#pragma once
// A rectangle in device units (screen pixels or printer dots); right and bottom are exclusive, as in every
// platform rectangle.

#include <cstdint>

namespace tagmora {

// Floating point to integer, cut toward zero as everywhere in the program's geometry; values beyond the
// 32-bit range (from absurd margins in a hand-edited file) stop at its limits and NaN gives 0.
std::int32_t TruncToInt32(double value);

// A 64-bit intermediate (a sum of device coordinates) brought back into the 32-bit range, stopping at its
// limits.
std::int32_t SaturatingInt32(std::int64_t value);

struct DeviceRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    // Widths, heights and shrunk edges stop at the int32 limits: a rectangle may span the whole range.
    std::int32_t Width() const { return SaturatingInt32(std::int64_t{right} - left); }
    std::int32_t Height() const { return SaturatingInt32(std::int64_t{bottom} - top); }
    // Left and top edges inside, right and bottom edges outside.
    bool Contains(std::int32_t x, std::int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    DeviceRect Shrunk(std::int32_t by) const {
        return {SaturatingInt32(std::int64_t{left} + by), SaturatingInt32(std::int64_t{top} + by),
                SaturatingInt32(std::int64_t{right} - by), SaturatingInt32(std::int64_t{bottom} - by)};
    }

    bool operator==(const DeviceRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const DeviceRect& o) const { return !(*this == o); }
};

struct DevicePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

}  // namespace tagmora
