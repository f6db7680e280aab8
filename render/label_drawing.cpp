#include "render/label_drawing.h"

#include "render/colour_blend.h"
#include "render/label_geometry.h"

namespace tagmora {

void DrawLabel(Canvas& canvas, const SheetSettings& settings, const LabelSlot& slot, const SlotLayout& layout,
               float logoAspect, bool printMode) {
    if (!canvas.DeviceContext())
        return;
    if (printMode && !slot.enabled)
        return;
    const LabelColours colours = ChooseLabelColours(settings, slot.enabled);
    const LabelGeometry geometry = ComputeLabelGeometry(settings, layout, logoAspect);
    const LabelMeasures& m = geometry.measures;

    if (settings.BDON) {
        canvas.RoundedFrame(layout.label, m.corner, m.borderWidth, colours.border, colours.fill);
    } else {
        canvas.FilledRectangle(layout.label, colours.fill);
    }

    // The three texts in one go: a switched-off sender text is an empty one, which draws nothing.
    const std::string none;
    canvas.FittedTexts({
        {slot.DEST, settings.FONT, geometry.content, colours.destination, colours.fill, TextAlignment::Left},
        {settings.SDON1 ? settings.SEND1 : none, settings.FONT, geometry.sender1, colours.sender1,
         colours.fill, TextAlignment::Left},
        {settings.SDON2 ? settings.SEND2 : none, settings.FONT, geometry.sender2, colours.sender2,
         colours.fill, TextAlignment::Right},
    });
    if (settings.LGON) {
        // A label that will not print shows where its logo goes, not the picture itself.
        if (slot.enabled) {
            canvas.PictureFromFile(geometry.logo, settings.LOGO);
        } else {
            canvas.FilledRectangle(geometry.logo, colours.border);
        }
    }
    // Last, so it may cover the top pixels of the sender texts.
    if (geometry.hasSenderBand)
        canvas.FilledRectangle(geometry.divider, colours.divider);
}

}  // namespace tagmora
