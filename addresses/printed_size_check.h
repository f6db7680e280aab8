#pragma once
// Which addresses would print too small to read: the label's fitted text found at the size the label has
// on paper, with the program's own fitted-text search.

#include <cstddef>
#include <string>
#include <vector>

#include "model/label_sheet.h"

namespace tagmora {

// The smallest type the import preview accepts without a warning.
constexpr double kSmallestReadablePoints = 6.0;

// The indices of the stored DEST texts whose fitted text, in the sheet's font on one of its labels laid out
// true to size on its paper at 600 dpi, has a character height (cell less internal leading) below
// kSmallestReadablePoints. Nothing when the sheet lays out no label.
std::vector<std::size_t> AddressesPrintedTooSmall(const SheetSettings& settings,
                                                  const std::vector<std::string>& dests);

}  // namespace tagmora
