#pragma once
// The About window's scrolling text without its window: the lines, the scroll arithmetic and the fading
// colours at the top and bottom edges. Platform-free, so that it is tested natively.

#include <cstdint>
#include <string>
#include <vector>

#include "model/colour.h"
#include "model/text_helpers.h"

namespace tagmora {

// Seventeen blank lines (so that the text enters from the bottom edge), the product name, the version
// and the release date, separated by single carriage returns.
std::string AboutDisplayText();

class ScrollingTextState {
  public:
    static constexpr std::int32_t kLineHeight = 14;
    // The fade runs over this many pixels at each edge.
    static constexpr std::int32_t kFadeDistance = 64;

    explicit ScrollingTextState(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    // One pixel further up: every line-height steps the first line drawn moves on by one, wrapping to the
    // top of the text before the last two lines would be first.
    void Step(std::int32_t clientHeight);

    const std::vector<std::string>& Lines() const { return lines_; }
    std::int32_t Tick() const { return tick_; }
    std::int32_t FirstLine() const { return firstLine_; }
    std::int32_t EndLine() const { return endLine_; }

    // The top of line i (FirstLine() <= i < EndLine()) in client pixels.
    std::int32_t LineTop(std::int32_t lineIndex) const;
    // A line is drawn while any of it is below the top edge.
    static bool IsDrawn(std::int32_t lineTop) { return lineTop > -kLineHeight; }
    // Black in the middle; blended toward white within the fade distance of the top and bottom edges
    // (the bottom rule wins where both apply).
    static Colour LineColour(std::int32_t lineTop, std::int32_t clientHeight);

  private:
    std::vector<std::string> lines_;
    std::int32_t tick_ = 0;
    std::int32_t firstLine_ = 0;
    std::int32_t endLine_ = 0;
};

}  // namespace tagmora
