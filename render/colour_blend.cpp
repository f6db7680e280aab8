#include "render/colour_blend.h"

#include <algorithm>

#include "model/label_sheet.h"

namespace tagmora {

Colour ColourBlend(Colour a, Colour b, int weight) {
    const Colour w = static_cast<Colour>(std::clamp(weight, 0, 255));
    Colour result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const Colour byteA = (a >> shift) & 0xFFu;
        const Colour byteB = (b >> shift) & 0xFFu;
        result |= ((byteA * w + byteB * (255u - w)) / 256u) << shift;
    }
    return result;
}

LabelColours ChooseLabelColours(const SheetSettings& settings, bool enabled) {
    if (enabled) {
        return {kWhite, kLabelBorderGrey, settings.COLD, settings.COLS1, settings.COLS2, settings.COLDIV};
    }
    // Washed out toward the preview background, so a label that will not print recedes behind the others.
    constexpr int kBackgroundWeight = 160;
    constexpr int kTextWeight = 64;
    const Colour fill = ColourBlend(kPreviewBackground, kWhite, kBackgroundWeight);
    const Colour border = ColourBlend(kPreviewBackground, kLabelBorderGrey, kBackgroundWeight);
    return {fill,
            border,
            ColourBlend(settings.COLD, fill, kTextWeight),
            ColourBlend(settings.COLS1, fill, kTextWeight),
            ColourBlend(settings.COLS2, fill, kTextWeight),
            ColourBlend(settings.COLDIV, fill, kTextWeight)};
}

}  // namespace tagmora
