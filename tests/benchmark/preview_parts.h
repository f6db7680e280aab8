#pragma once
// The preview's paint taken apart: each part of it on its own, with the same calls, rectangles and colours
// as the whole paint makes, so that its share of the whole shows.

#include <windows.h>

#include "model/label_sheet.h"
#include "render/canvas.h"

namespace tagmora::bench {

enum class PreviewPart {
    Layout,      // the sheet layout and the logo aspect, as the Preview Control makes them before drawing
    Background,  // the layout origin in the background colour and the black outline
    Frames,      // every label's rounded frame (or filled rectangle)
    Texts,       // every label's fitted texts
    Logos,       // every label's logo picture (or, for a disabled label, its box)
    Dividers,    // every label's divider bar
};
constexpr PreviewPart kPreviewParts[] = {PreviewPart::Layout, PreviewPart::Background, PreviewPart::Frames,
                                         PreviewPart::Texts,  PreviewPart::Logos,      PreviewPart::Dividers};
const char* PartName(PreviewPart part);

// Draws only that part of the preview of the sheet on the canvas's device context.
void DrawPreviewPart(PreviewPart part, Canvas& canvas, LabelSheet& sheet, int width, int height);

}  // namespace tagmora::bench
