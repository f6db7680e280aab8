#pragma once
// Colour arithmetic of the drawing: blends, and the colours of an enabled or a disabled label.

#include "model/colour.h"

namespace tagmora {

struct SheetSettings;

constexpr Colour kPreviewBackground = 0x00C0F0FF;  // pale cream behind the labels
constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kLabelBorderGrey = 0x00AAAAAA;
constexpr Colour kMissingLogoGrey = 0x00AAAAAA;

// Per byte: (a x w + b x (255 - w)) / 256, cut toward zero; top byte 0.
Colour ColourBlend(Colour a, Colour b, int weight);

struct LabelColours {
    Colour fill;
    Colour border;
    Colour destination;
    Colour sender1;
    Colour sender2;
    Colour divider;
};

// Enabled: white with full-colour text. Disabled (preview only): washed out toward the preview background.
LabelColours ChooseLabelColours(const SheetSettings& settings, bool enabled);

}  // namespace tagmora
