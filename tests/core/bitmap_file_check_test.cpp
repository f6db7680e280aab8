#include "render/bitmap_file_check.h"

#include <gtest/gtest.h>

#include <string>

namespace tagmora {
namespace {

// File and information headers (pixels 54 bytes in, after the colour table of 8 bits a pixel or fewer),
// then the table and `pixels` bytes.
std::string Bitmap(std::int32_t width, std::int32_t height, int bits, std::size_t pixels,
                   std::uint32_t compression = 0, std::uint32_t stated = 0) {
    const std::uint32_t table = bits <= 8 ? 4u << bits : 0;
    std::string file = "BM";
    for (std::uint32_t value : {0u, 0u, 54 + table, 40u, std::uint32_t(width), std::uint32_t(height),
                                1u | std::uint32_t(bits) << 16, compression, stated, 0u, 0u, 0u, 0u}) {
        for (int i = 0; i < 4; ++i)
            file += static_cast<char>(value >> (8 * i) & 0xFF);
    }
    return file + std::string(table + pixels, 'p');
}

TEST(BitmapFileCheckTest, HeadersTablesAndPixelsLieInsideTheFileAndSizesWithinTheLimits) {
    const std::string rgb = Bitmap(3, 2, 24, 24);  // rows of 9 bytes padded to 12
    std::string late = rgb;
    late[10] = 60;  // the pixels said to start past where they do
    const struct {
        std::string file;
        std::uint64_t size;
        bool whole;
    } cases[] = {
        {rgb, rgb.size(), true},
        {Bitmap(3, -2, 24, 24), rgb.size(), true},  // top-down
        {rgb.substr(0, rgb.size() - 1), rgb.size() - 1, false},
        {rgb.substr(0, 54), 54, false},  // cut after its headers
        {late, late.size(), false},
        {Bitmap(4, 4, 8, 16).substr(0, 500), 500, false},  // cut in the colour table
        {Bitmap(8, 8, 8, 10, 1, 10), 1088, true},          // runs end where the stated size says
        {Bitmap(8, 8, 8, 10, 1, 11), 1088, false},
        {Bitmap(10000, 10000, 24, 0), std::uint64_t{1} << 40, true},
        {Bitmap(kMaxBitmapSide + 1, 1, 24, 0), std::uint64_t{1} << 40, false},
        {Bitmap(20000, 20000, 1, 0), std::uint64_t{1} << 40, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.whole, IsWholeBitmapFile(std::string_view(c.file).substr(0, kBitmapHeadBytes), c.size))
            << c.file.size();
    }
}

}  // namespace
}  // namespace tagmora
