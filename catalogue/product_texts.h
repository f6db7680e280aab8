#pragma once
// What the chooser's list shows of a product, one text a column.

#include <cstdint>
#include <string>

#include "catalogue/product_sheet.h"

namespace tagmora {

enum class ProductColumn { Maker, Part, Description, Grid, LabelSize, Paper, Count };

// Hundredths of a millimetre in millimetres, with no more decimals than it has: 6350 as "63.5".
std::string MillimetreText(std::int32_t hundredths);

// "3 x 7", "63.5 x 38.1 mm", "A4" (or "210 x 297 mm" for a paper of the maker's own).
std::string ProductColumnText(const ProductSheet& product, ProductColumn column);

}  // namespace tagmora
