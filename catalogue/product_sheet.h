#pragma once
// One label-sheet product of the catalogue: a maker's part number and the sheet it makes. Lengths are in
// hundredths of a millimetre. The labels are laid out from the paper's top-left corner: column i's left
// edge lies at leftMargin + i x (label width + columnGap), where the label width is what the paper leaves
// between the margins and gaps, (paperWidth - leftMargin - rightMargin - (cols - 1) x columnGap) / cols,
// which may fall between two hundredths; the same down the rows. labelWidth and labelHeight are the
// product's own label size rounded, for showing.

#include <cstdint>
#include <string>

namespace tagmora {

struct ProductSheet {
    std::string maker;
    std::string part;
    std::string description;
    std::string paperName;  // "A4", "US Letter"; empty for a size of the maker's own
    std::int32_t paperWidth = 0;
    std::int32_t paperHeight = 0;
    int cols = 0;
    int rows = 0;
    std::int32_t labelWidth = 0;
    std::int32_t labelHeight = 0;
    std::int32_t leftMargin = 0;
    std::int32_t topMargin = 0;
    std::int32_t columnGap = 0;
    std::int32_t rowGap = 0;
    std::int32_t rightMargin = 0;   // what the last column leaves of the paper
    std::int32_t bottomMargin = 0;  // what the last row leaves of the paper
};

// The most labels a sheet holds and the most columns its grid may have.
constexpr int kMaxProductLabels = 128;
constexpr int kMaxProductColumns = 8;

}  // namespace tagmora
