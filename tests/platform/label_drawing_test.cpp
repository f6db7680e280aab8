#include "render/label_drawing.h"

#include <gtest/gtest.h>

#include "dib_surface.h"
#include "render/colour_blend.h"
#include "render/label_geometry.h"
#include "tests/core/test_folder.h"

namespace tagmora {
namespace {

using testing::BitmapFileBytes;
using testing::DibSurface;
using testing::TestFolder;

constexpr Colour kBackground = kPreviewBackground;
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kRed = 0x000000FF;
constexpr Colour kBlue = 0x00FF0000;

class LabelDrawingTest : public ::testing::Test {
  protected:
    LabelDrawingTest() {
        settings_.FONT = "Tahoma";
        settings_.COLDIV = kGreen;
        settings_.LOGO = folder_.File("missing.bmp");
        slot_.enabled = true;
        slot_.DEST = "Mr A. Example\r\n12 Some Street\r\nTOWNSVILLE";
    }

    // Draws the slot in a 400 x 300 label on the preview's background colour.
    void Draw(DibSurface& surface, bool printMode = false) {
        Canvas canvas;
        canvas.SetDeviceContext(surface.dc());
        DrawLabel(canvas, settings_, slot_, layout_, logoAspect_, printMode);
    }
    LabelGeometry Geometry() const { return ComputeLabelGeometry(settings_, layout_, logoAspect_); }
    float logoAspect_ = 1.0f;

    TestFolder folder_;
    SheetSettings settings_;
    LabelSlot slot_;
    SlotLayout layout_{5.0f, 5.0f, {10, 10, 410, 310}};
};

TEST_F(LabelDrawingTest, EnabledLabelIsWhiteWithAGreyRoundedBorder) {
    DibSurface surface(420, 320, kBackground);
    Draw(surface);
    const DeviceRect& label = layout_.label;
    EXPECT_EQ(surface.Pixel(label.left, 160), kLabelBorderGrey);
    EXPECT_EQ(surface.Pixel(200, label.top), kLabelBorderGrey);
    EXPECT_EQ(surface.Pixel(label.right - 1, 160), kLabelBorderGrey);
    EXPECT_EQ(surface.Pixel(label.left + 3, 160), kWhite);
    EXPECT_EQ(surface.Pixel(label.left, label.top), kBackground);  // a rounded corner
    EXPECT_EQ(surface.Pixel(label.right - 1, label.bottom - 1), kBackground);
    EXPECT_EQ(surface.CountOther({0, 0, 420, label.top}, kBackground), 0);
}

TEST_F(LabelDrawingTest, DisabledLabelIsWashedOutInThePreviewAndAbsentInPrint) {
    slot_.enabled = false;
    DibSurface preview(420, 320, kBackground);
    Draw(preview);
    EXPECT_EQ(preview.Pixel(layout_.label.left, 160), 0x00B7D5DEu);
    EXPECT_EQ(preview.Pixel(layout_.label.left + 3, 160), 0x00D6F4FEu);
    // Its logo place is a box in the border colour, not the picture.
    const DeviceRect logo = Geometry().logo;
    EXPECT_EQ(preview.CountEqual(logo, 0x00B7D5DE), logo.Width() * logo.Height());

    DibSurface printed(420, 320, kBackground);
    Draw(printed, true);
    EXPECT_EQ(printed.CountOther(printed.Whole(), kBackground), 0);
}

TEST_F(LabelDrawingTest, DisabledLabelTextIsFaint) {
    settings_.COLD = kRed;
    const DeviceRect content = Geometry().content;
    DibSurface enabled(420, 320, kBackground);
    Draw(enabled);
    EXPECT_GT(enabled.CountEqual(content, kRed), 0);

    slot_.enabled = false;
    DibSurface disabled(420, 320, kBackground);
    Draw(disabled);
    EXPECT_EQ(disabled.CountEqual(content, kRed), 0);
    EXPECT_GT(disabled.CountEqual(content, ColourBlend(kRed, 0x00D6F4FE, 64)), 0);
}

TEST_F(LabelDrawingTest, WithoutBordersTheLabelIsASquareFill) {
    settings_.BDON = false;
    DibSurface surface(420, 320, kBackground);
    Draw(surface);
    EXPECT_EQ(surface.Pixel(layout_.label.left, layout_.label.top), kWhite);
    EXPECT_EQ(surface.Pixel(layout_.label.left, 160), kWhite);
    // The only grey left is the missing logo's box.
    const DeviceRect logo = Geometry().logo;
    EXPECT_EQ(surface.CountEqual(surface.Whole(), kLabelBorderGrey), logo.Width() * logo.Height());
}

// The rows of one pixel column that hold the divider colour, as [top, bottom).
std::pair<int, int> DividerRows(const DibSurface& surface, int x) {
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < surface.height(); ++y) {
        if (surface.Pixel(x, y) != kGreen)
            continue;
        if (top < 0)
            top = y;
        EXPECT_TRUE(bottom < 0 || bottom == y) << "the divider is one band, row " << y;
        bottom = y + 1;
    }
    return {top, bottom};
}

TEST_F(LabelDrawingTest, DividerSitsBetweenAddressAndBandWithItsThickness) {
    // A 600 x 800 label: d = 1000, raw half unit 4, half unit 4, moved down by 2.
    layout_ = {5.0f, 5.0f, {10, 10, 610, 810}};
    DibSurface below(620, 820, kBackground);
    Draw(below);
    const LabelGeometry g = Geometry();
    const std::pair<int, int> rows = DividerRows(below, 300);
    EXPECT_EQ(rows.first, g.content.bottom + 2);
    EXPECT_EQ(rows.second - rows.first, 8);
    EXPECT_LT(rows.first, g.senderArea.top + 3);

    settings_.YFLP = true;
    DibSurface above(620, 820, kBackground);
    Draw(above);
    const LabelGeometry flipped = Geometry();
    const std::pair<int, int> flippedRows = DividerRows(above, 300);
    EXPECT_EQ(flippedRows.first, flipped.senderArea.bottom + 2);
    EXPECT_EQ(flippedRows.second - flippedRows.first, 4);
    EXPECT_LT(flippedRows.first, 410);  // the band is at the top of the label
}

TEST_F(LabelDrawingTest, NoBandNoDividerWithoutSendersAndLogo) {
    settings_.SDON1 = settings_.SDON2 = settings_.LGON = false;
    DibSurface surface(420, 320, kBackground);
    Draw(surface);
    EXPECT_EQ(surface.CountEqual(surface.Whole(), kGreen), 0);
}

TEST_F(LabelDrawingTest, LogoIsAGreyBoxWhenItCannotBeDrawn) {
    const std::string capitals = folder_.File("LOGO.BMP");
    TestFolder::WriteBytes(capitals, BitmapFileBytes(2, 1, {kRed, kBlue}));
    for (const std::string& path : {folder_.File("missing.bmp"), capitals, std::string()}) {
        settings_.LOGO = path;
        DibSurface surface(420, 320, kBackground);
        Draw(surface);
        const DeviceRect logo = Geometry().logo;
        EXPECT_EQ(surface.CountEqual(logo, kMissingLogoGrey), logo.Width() * logo.Height()) << path;
    }
}

TEST_F(LabelDrawingTest, RealBitmapIsStretchedIntoTheLogoRectangle) {
    settings_.LOGO = folder_.File("logo.bmp");
    TestFolder::WriteBytes(settings_.LOGO, BitmapFileBytes(2, 1, {kRed, kBlue}));
    logoAspect_ = 2.0f;
    DibSurface surface(420, 320, kBackground);
    Draw(surface);
    const DeviceRect logo = Geometry().logo;
    const int middle = logo.left + logo.Width() / 2;
    EXPECT_EQ(surface.CountEqual({logo.left, logo.top, middle - 1, logo.bottom}, kRed),
              (middle - 1 - logo.left) * logo.Height());
    EXPECT_EQ(surface.CountEqual({middle + 1, logo.top, logo.right, logo.bottom}, kBlue),
              (logo.right - middle - 1) * logo.Height());
    EXPECT_EQ(surface.CountEqual(surface.Whole(), kRed) + surface.CountEqual(surface.Whole(), kBlue),
              logo.Width() * logo.Height());
}

TEST_F(LabelDrawingTest, SenderTwoEndsOneMillimetreLeftOfTheLogo) {
    settings_.SDON1 = false;
    settings_.SEND2 = "WWWWW";
    const LabelGeometry g = Geometry();
    DibSurface surface(420, 320, kBackground);
    Draw(surface);
    // One millimetre is trunc(x scale) = 5 pixels, then the logo's own inset of one draw unit.
    ASSERT_EQ(g.logo.left - g.sender2.right, 5 + g.measures.drawUnit);
    const int belowDivider = g.divider.bottom;
    EXPECT_EQ(surface.CountOther({g.sender2.right, belowDivider, g.logo.left, g.sender2.bottom}, kWhite), 0);
    const DeviceRect ink =
        surface.BoundsOfOther({g.sender2.left, belowDivider, g.sender2.right, g.sender2.bottom}, kWhite);
    EXPECT_GE(ink.right, g.sender2.right - 3);
    EXPECT_GT(ink.Width(), 0);
}

TEST_F(LabelDrawingTest, AddressStaysInsideItsRectangleAndGrowsWithTheLabel) {
    settings_.SDON1 = settings_.SDON2 = settings_.LGON = false;
    settings_.BDON = false;
    settings_.COLD = kRed;

    DibSurface small(420, 320, kBackground);
    Draw(small);
    const LabelGeometry g = Geometry();
    const DeviceRect smallInk = small.BoundsOfOther(layout_.label, kWhite);
    EXPECT_GT(smallInk.Width(), 0);
    EXPECT_GE(smallInk.left, g.content.left);
    EXPECT_GE(smallInk.top, g.content.top);
    EXPECT_LE(smallInk.right, g.content.right);
    EXPECT_LE(smallInk.bottom, g.content.bottom);
    EXPECT_GT(small.CountEqual(layout_.label, kRed), 0);

    layout_ = {10.0f, 10.0f, {10, 10, 810, 610}};
    DibSurface large(820, 620, kBackground);
    Draw(large);
    const DeviceRect largeInk = large.BoundsOfOther(layout_.label, kWhite);
    EXPECT_GT(largeInk.Height(), smallInk.Height() * 3 / 2);
    EXPECT_GT(largeInk.Width(), smallInk.Width() * 3 / 2);
}

}  // namespace
}  // namespace tagmora
