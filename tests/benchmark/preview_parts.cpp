#include "preview_parts.h"

#include "render/colour_blend.h"
#include "render/label_geometry.h"
#include "render/sheet_layout.h"

namespace tagmora::bench {

const char* PartName(PreviewPart part) {
    switch (part) {
        case PreviewPart::Layout:
            return "layout";
        case PreviewPart::Background:
            return "background";
        case PreviewPart::Frames:
            return "frames";
        case PreviewPart::Texts:
            return "fitted text";
        case PreviewPart::Logos:
            return "logo";
        case PreviewPart::Dividers:
            return "dividers";
    }
    return "?";
}

void DrawPreviewPart(PreviewPart part, Canvas& canvas, LabelSheet& sheet, int width, int height) {
    const SheetSettings& settings = sheet.Settings();
    const SheetLayout layout = LayOutSheet(settings, {0, 0, width, height});
    const float logoAspect = canvas.LogoAspect(settings.LOGO);
    if (part == PreviewPart::Layout)
        return;
    if (part == PreviewPart::Background) {
        canvas.FilledRectangle(layout.origin, kPreviewBackground);
        canvas.RectangleOutline(0, 0, width - 1, height - 1, 0x00000000);
        return;
    }
    const std::string none;
    for (int i = 0; i < layout.count; ++i) {
        const LabelSlot& slot = sheet.Slot(i);
        const SlotLayout& place = layout.slots[static_cast<std::size_t>(i)];
        const LabelColours colours = ChooseLabelColours(settings, slot.enabled);
        const LabelGeometry geometry = ComputeLabelGeometry(settings, place, logoAspect);
        switch (part) {
            case PreviewPart::Frames:
                if (settings.BDON) {
                    canvas.RoundedFrame(place.label, geometry.measures.corner, geometry.measures.borderWidth,
                                        colours.border, colours.fill);
                } else {
                    canvas.FilledRectangle(place.label, colours.fill);
                }
                break;
            case PreviewPart::Texts:
                canvas.FittedTexts({
                    {slot.DEST, settings.FONT, geometry.content, colours.destination, colours.fill,
                     TextAlignment::Left},
                    {settings.SDON1 ? settings.SEND1 : none, settings.FONT, geometry.sender1, colours.sender1,
                     colours.fill, TextAlignment::Left},
                    {settings.SDON2 ? settings.SEND2 : none, settings.FONT, geometry.sender2, colours.sender2,
                     colours.fill, TextAlignment::Right},
                });
                break;
            case PreviewPart::Logos:
                if (!settings.LGON)
                    break;
                if (slot.enabled) {
                    canvas.PictureFromFile(geometry.logo, settings.LOGO);
                } else {
                    canvas.FilledRectangle(geometry.logo, colours.border);
                }
                break;
            case PreviewPart::Dividers:
                if (geometry.hasSenderBand)
                    canvas.FilledRectangle(geometry.divider, colours.divider);
                break;
            default:
                break;
        }
    }
}

}  // namespace tagmora::bench
