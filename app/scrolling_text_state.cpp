#include "app/scrolling_text_state.h"

#include <cstdio>

#include "model/program_version.h"
#include "render/colour_blend.h"

namespace tagmora {
namespace {

constexpr int kLeadingBlankLines = 17;
constexpr Colour kBlack = 0x00000000;

// The blend weight is a byte: only the low eight bits of the fade arithmetic count, which makes the
// bottom fade run from near white at the edge to near black 64 pixels above it.
int FadeWeight(std::int32_t value) {
    return static_cast<int>(static_cast<std::uint32_t>(value) & 0xFFu);
}

}  // namespace

std::string AboutDisplayText() {
    char version[32];
    std::snprintf(version, sizeof version, kProgramVersionFormat, kProgramVersion);
    std::string text;
    for (int i = 0; i < kLeadingBlankLines; ++i)
        text += " \r";
    text += "Tagmora Professional\r";
    text += " \r";
    text += std::string("Application Version: ") + version + "\r";
    text += "Release Date: 6th April 2005\r";
    text += " \r";
    return text;
}

void ScrollingTextState::Step(std::int32_t clientHeight) {
    const auto lineCount = static_cast<std::int32_t>(lines_.size());
    if (tick_ % kLineHeight == 0) {
        ++firstLine_;
        if (firstLine_ >= lineCount - 2)
            firstLine_ = 0;
        endLine_ = (clientHeight + 100) / kLineHeight + firstLine_;
        if (endLine_ >= lineCount)
            endLine_ = lineCount - 1;
    }
    ++tick_;
}

std::int32_t ScrollingTextState::LineTop(std::int32_t lineIndex) const {
    // The remainder keeps the sign of the dividend, so before the first step (tick 0) the offset is -1.
    return kLineHeight * (lineIndex - firstLine_) - ((tick_ - 1) % kLineHeight);
}

Colour ScrollingTextState::LineColour(std::int32_t lineTop, std::int32_t clientHeight) {
    if (lineTop > clientHeight - kFadeDistance) {
        return ColourBlend(kWhite, kBlack, FadeWeight((lineTop - clientHeight) * 4));
    }
    if (lineTop < kFadeDistance - kLineHeight) {
        return ColourBlend(kBlack, kWhite, FadeWeight((kLineHeight + lineTop) * 4));
    }
    return kBlack;
}

}  // namespace tagmora
