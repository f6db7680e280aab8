// The Value Slider's mapping between a sheet value and its trackbar position.
#include "dialogs/setup_fields.h"

#include <gtest/gtest.h>

#include <climits>

namespace tagmora {
namespace {

TEST(SetupFieldsTest, TheSliderShowsTheMaximumAtTheTopAndPutsAValueOutsideItsRangeAtTheNearerEnd) {
    EXPECT_EQ(7, InvertedTrackbarPosition(2, 1, 8));  // COLS 2: six steps below the top
    EXPECT_EQ(2, InvertedTrackbarPosition(7, 1, 8));
    EXPECT_EQ(150, InvertedTrackbarPosition(297, 150, 250));  // the top: 250
    EXPECT_EQ(250, InvertedTrackbarPosition(-5, 150, 250));
    EXPECT_EQ(250, InvertedTrackbarPosition(INT_MIN, 150, 250));
    EXPECT_EQ(150, InvertedTrackbarPosition(INT_MAX, 150, 250));
}

}  // namespace
}  // namespace tagmora
