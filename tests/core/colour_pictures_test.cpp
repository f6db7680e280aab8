// The generator's own checks of the two pictures, run on every test run, and the light-grey replacement the
// picker applies to them.
#include "colour/colour_pictures.h"

#include <gtest/gtest.h>

namespace tagmora {
namespace {

TEST(ColourPicturesTest, TheGeneratorsPicturesPassItsChecksAndOnlyLightGreyIsReplaced) {
    EXPECT_EQ("", CheckHueWheel(DrawHueWheel()));
    EXPECT_EQ("", CheckRgbCube(DrawRgbCube()));
    unsigned char rows[2][8] = {{192, 192, 192, 255, 255, 255, 0, 0}, {191, 192, 192, 192, 192, 192, 0, 0}};
    ReplaceColour(&rows[0][0], 2, 2, 8, kLightGrey, 0x00112233);
    EXPECT_EQ(0x11, rows[0][0]);  // blue, green, red
    EXPECT_EQ(0x33, rows[0][2]);
    EXPECT_EQ(255, rows[0][3]);
    EXPECT_EQ(191, rows[1][0]);
    EXPECT_EQ(0x22, rows[1][4]);
}

}  // namespace
}  // namespace tagmora
