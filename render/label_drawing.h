#pragma once
// Drawing one label slot inside its label rectangle: background and border, the destination address,
// the sender band with its texts and logo, and the divider.

#include "model/label_sheet.h"
#include "render/canvas.h"
#include "render/sheet_layout.h"

namespace tagmora {

// Print mode draws nothing for a disabled slot; preview mode draws it washed out. The logo aspect is the
// LOGO bitmap's width / height (Canvas::LogoAspect).
void DrawLabel(Canvas& canvas, const SheetSettings& settings, const LabelSlot& slot, const SlotLayout& layout,
               float logoAspect, bool printMode);

}  // namespace tagmora
