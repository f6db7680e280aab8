#include "app/scrolling_text_state.h"

#include <gtest/gtest.h>

namespace tagmora {
namespace {

constexpr std::int32_t kClientHeight = 200;

TEST(AboutDisplayTextTest, SeventeenBlankLinesThenNameVersionAndDate) {
    const std::vector<std::string> lines = SplitAtCarriageReturns(AboutDisplayText());
    ASSERT_EQ(23u, lines.size());
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(" ", lines[i]) << i;
    EXPECT_EQ("Tagmora Professional", lines[17]);
    EXPECT_EQ(" ", lines[18]);
    EXPECT_EQ("Application Version: 3.32", lines[19]);
    EXPECT_EQ("Release Date: 6th April 2005", lines[20]);
    EXPECT_EQ(" ", lines[21]);
    EXPECT_EQ("", lines[22]);
}

ScrollingTextState AboutState() {
    return ScrollingTextState(SplitAtCarriageReturns(AboutDisplayText()));
}

TEST(ScrollingTextStateTest, NothingIsDrawnBeforeTheFirstStep) {
    const ScrollingTextState state = AboutState();
    EXPECT_EQ(0, state.FirstLine());
    EXPECT_EQ(0, state.EndLine());
}

TEST(ScrollingTextStateTest, FirstStepSkipsLineZeroThenEveryFourteenthStepAdvances) {
    ScrollingTextState state = AboutState();
    state.Step(kClientHeight);
    EXPECT_EQ(1, state.FirstLine());
    EXPECT_EQ((kClientHeight + 100) / 14 + 1, state.EndLine());
    EXPECT_EQ(0, state.LineTop(1));
    for (int step = 2; step <= 14; ++step) {
        state.Step(kClientHeight);
        EXPECT_EQ(1, state.FirstLine()) << step;
    }
    state.Step(kClientHeight);
    EXPECT_EQ(2, state.FirstLine());
    EXPECT_EQ(0, state.LineTop(2));
}

TEST(ScrollingTextStateTest, EveryLineMovesUpOnePixelPerStepWithoutJumps) {
    ScrollingTextState state = AboutState();
    state.Step(kClientHeight);
    const std::int32_t watched = 17;  // "Tagmora Professional"
    std::int32_t previous = state.LineTop(watched);
    // Until the watched line is the first line drawn and passes the top edge.
    for (int step = 2; step < 16 * 14; ++step) {
        state.Step(kClientHeight);
        if (state.FirstLine() > watched || state.FirstLine() == 0)
            break;
        const std::int32_t top = state.LineTop(watched);
        ASSERT_EQ(previous - 1, top) << "step " << step;
        previous = top;
    }
}

TEST(ScrollingTextStateTest, TextStartsAgainFromTheBottomAfterTheLastLineLeft) {
    ScrollingTextState state = AboutState();
    // The first line index reaches 21 (= 23 lines - 2) at the 21st advance and wraps to 0 at once.
    for (int step = 1; step <= 20 * 14; ++step)
        state.Step(kClientHeight);
    EXPECT_EQ(20, state.FirstLine());
    EXPECT_TRUE(ScrollingTextState::IsDrawn(state.LineTop(20)));  // the release date line, at the top
    state.Step(kClientHeight);
    EXPECT_EQ(0, state.FirstLine());
    // The product name is below the bottom edge again.
    EXPECT_GT(state.LineTop(17), kClientHeight);
}

TEST(ScrollingTextStateTest, EndLineStopsBeforeTheLastLine) {
    ScrollingTextState state = AboutState();
    state.Step(1000);
    EXPECT_EQ(22, state.EndLine());
}

TEST(ScrollingTextStateTest, LinesFadeTowardWhiteAtBothEdges) {
    const std::int32_t h = kClientHeight;
    EXPECT_EQ(0x00000000u, ScrollingTextState::LineColour(50, h));
    EXPECT_EQ(0x00000000u, ScrollingTextState::LineColour(h - 64, h));
    // Top: nearly white as the line leaves, darker over 64 pixels.
    EXPECT_EQ(0x00FAFAFAu, ScrollingTextState::LineColour(-13, h));
    EXPECT_EQ(0x00020202u, ScrollingTextState::LineColour(49, h));
    // Bottom: nearly white at the edge, darker over 64 pixels.
    EXPECT_EQ(0x00FBFBFBu, ScrollingTextState::LineColour(h - 1, h));
    EXPECT_EQ(0x00030303u, ScrollingTextState::LineColour(h - 63, h));
    Colour previous = ScrollingTextState::LineColour(h - 63, h);
    for (std::int32_t y = h - 62; y < h; ++y) {
        const Colour c = ScrollingTextState::LineColour(y, h);
        ASSERT_GT(c & 0xFF, previous & 0xFF) << y;
        previous = c;
    }
}

TEST(ScrollingTextStateTest, BottomFadeWinsInAWindowTooLowForBoth) {
    // y = 10 in a 60-pixel window is within 64 pixels of both edges.
    EXPECT_EQ(0x00373737u, ScrollingTextState::LineColour(10, 60));
}

}  // namespace
}  // namespace tagmora
