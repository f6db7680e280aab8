#include "app/main_layout.h"

#include <gtest/gtest.h>

#include "res/resource_ids.h"

namespace tagmora {
namespace {

TEST(PreviewPlacementTest, TallSheetInAWideAreaTakesTheFullHeightAndIsCentredAcross) {
    // Free area 452 x 380; 210 x 297 paper is narrower than that.
    const ControlPlacement p = ComputePreviewPlacement(600, 400, 210, 297);
    EXPECT_EQ(380, p.height);
    EXPECT_EQ(268, p.width);  // 380 x 210 / 297 = 268.69, cut toward zero
    EXPECT_EQ((452 - 268) / 2 + 10, p.x);
    EXPECT_EQ(10, p.y);
}

TEST(PreviewPlacementTest, WideSheetInATallAreaTakesTheFullWidthAndIsCentredDown) {
    // Free area 152 x 580; 250 x 240 paper is wider than that.
    const ControlPlacement p = ComputePreviewPlacement(300, 600, 250, 240);
    EXPECT_EQ(152, p.width);
    EXPECT_EQ(145, p.height);  // 152 x 240 / 250 = 145.92
    EXPECT_EQ(10, p.x);
    EXPECT_EQ((580 - 145) / 2 + 10, p.y);
}

TEST(PreviewPlacementTest, AreaOfExactlyThePapersProportionsUsesTheWidthRule) {
    const ControlPlacement p = ComputePreviewPlacement(148 + 200, 20 + 300, 200, 300);
    EXPECT_EQ((ControlPlacement{10, 10, 200, 300}), p);
}

TEST(PreviewPlacementTest, PreviewNeverLeavesTheFreeArea) {
    for (int width = 149; width < 1200; width += 37) {
        for (int height = 21; height < 900; height += 29) {
            for (const auto& paper : {std::pair{210, 297}, std::pair{216, 279}, std::pair{250, 240}}) {
                const ControlPlacement p = ComputePreviewPlacement(width, height, paper.first, paper.second);
                ASSERT_GE(p.x, 10);
                ASSERT_GE(p.y, 10);
                ASSERT_LE(p.x + p.width, width - 138) << width << " x " << height;
                ASSERT_LE(p.y + p.height, height - 10) << width << " x " << height;
                // One side always fills the free area.
                ASSERT_TRUE(p.width == width - 148 || p.height == height - 20);
            }
        }
    }
}

TEST(PreviewPlacementTest, ClientSmallerThanTheMarginsGivesAnEmptyPreview) {
    // A minimised window: zero client area, or less than the reserved 148 x 20 pixels.
    EXPECT_EQ((ControlPlacement{10, 10, 0, 0}), ComputePreviewPlacement(0, 0, 210, 297));
    EXPECT_EQ((ControlPlacement{10, 10, 0, 0}), ComputePreviewPlacement(148, 400, 210, 297));
    EXPECT_EQ((ControlPlacement{10, 10, 0, 0}), ComputePreviewPlacement(600, 20, 210, 297));
    EXPECT_EQ((ControlPlacement{10, 10, 0, 0}), ComputePreviewPlacement(-160, -27, 210, 297));
    // One pixel of room is still laid out.
    const ControlPlacement tiny = ComputePreviewPlacement(149, 21, 210, 297);
    EXPECT_GE(tiny.width, 0);
    EXPECT_EQ(1, tiny.height);
}

TEST(PreviewPlacementTest, PaperWithoutProportionsFillsTheFreeArea) {
    EXPECT_EQ((ControlPlacement{10, 10, 452, 380}), ComputePreviewPlacement(600, 400, 210, 0));
    EXPECT_EQ((ControlPlacement{10, 10, 452, 380}), ComputePreviewPlacement(600, 400, 0, 297));
    EXPECT_EQ((ControlPlacement{10, 10, 452, 380}), ComputePreviewPlacement(600, 400, -5, -5));
}

TEST(PictureButtonPlacementTest, ColumnHangsFromTheTopRightAndTheHelpPanelFromTheBottomRight) {
    ControlPlacement p;
    ASSERT_TRUE(PictureButtonPlacement(IDC_TITLE_PICTURE, 0, 0, 700, 500, p));
    EXPECT_EQ((ControlPlacement{567, 10, 123, 119}), p);
    ASSERT_TRUE(PictureButtonPlacement(IDC_ABOUT, 0, 0, 700, 500, p));
    EXPECT_EQ((ControlPlacement{576, 133, 114, 59}), p);
    ASSERT_TRUE(PictureButtonPlacement(IDC_SETUP, 0, 0, 700, 500, p));
    EXPECT_EQ((ControlPlacement{576, 198, 114, 61}), p);
    ASSERT_TRUE(PictureButtonPlacement(IDC_PRINT, 0, 0, 700, 500, p));
    EXPECT_EQ((ControlPlacement{576, 263, 114, 61}), p);
    ASSERT_TRUE(PictureButtonPlacement(IDC_ADDRESSES, 0, 0, 700, 500, p));
    EXPECT_EQ((ControlPlacement{576, 328, 114, 61}), p);
    ASSERT_TRUE(PictureButtonPlacement(IDC_EXIT, 0, 0, 700, 500, p));
    EXPECT_EQ((ControlPlacement{576, 393, 114, 61}), p);
    ASSERT_TRUE(PictureButtonPlacement(IDC_HELP_PANEL, 0, 0, 700, 500, p));
    EXPECT_EQ((ControlPlacement{579, 368, 109, 122}), p);

    // A maximised window moves the column right and the help panel down; the others keep their height.
    ASSERT_TRUE(PictureButtonPlacement(IDC_HELP_PANEL, 0, 0, 1024, 740, p));
    EXPECT_EQ((ControlPlacement{903, 608, 109, 122}), p);
    ASSERT_TRUE(PictureButtonPlacement(IDC_EXIT, 0, 0, 1024, 740, p));
    EXPECT_EQ((ControlPlacement{900, 393, 114, 61}), p);
}

TEST(PictureButtonPlacementTest, OtherControlsAreNotPlaced) {
    ControlPlacement p{1, 2, 3, 4};
    EXPECT_FALSE(PictureButtonPlacement(IDC_PREVIEW, 0, 0, 700, 500, p));
    EXPECT_FALSE(PictureButtonPlacement(0, 0, 0, 700, 500, p));
    EXPECT_EQ((ControlPlacement{1, 2, 3, 4}), p);
}

}  // namespace
}  // namespace tagmora
