#pragma once
// Turns the label-sheet template data (XML, one file per maker or region, and the named paper sizes) into
// catalogue products. A template qualifies when its labels are rectangles in one regular grid that a
// Tagmora sheet holds; an alias ("equiv") takes the geometry of the named part of the same brand. Each
// product's lengths are chosen in whole hundredths of a millimetre so that the sheet, laid out, puts every
// label edge as close to the data's as hundredths allow.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/product_sheet.h"

namespace tagmora {

// A template's grid as the data gives it, in millimetres.
struct TemplateGeometry {
    double paperWidth = 0;
    double paperHeight = 0;
    double labelWidth = 0;
    double labelHeight = 0;
    double x0 = 0;
    double y0 = 0;
    double dx = 0;
    double dy = 0;
    int nx = 0;
    int ny = 0;
};

struct ConvertedProduct {
    ProductSheet sheet;
    TemplateGeometry data;
};

struct TemplateConversion {
    std::vector<ConvertedProduct> products;  // by maker, then part number
    std::vector<std::pair<std::string, int>>
        leftOut;          // why, and how many part numbers, in order of the rules
    int partNumbers = 0;  // every template read, aliases included
    std::string error;    // a file that could not be read at all
};

// A length with its unit (mm, cm, in, pt; a bare number is in points) in millimetres; empty for text that
// is no length. An empty value counts as 0, as the data uses it for an offset of nothing.
std::optional<double> LengthInMillimetres(std::string_view text);

// The sheet whose laid-out labels come nearest the geometry's, in hundredths of a millimetre.
ProductSheet SheetFromGeometry(const TemplateGeometry& data);

TemplateConversion ConvertTemplates(const std::vector<std::string>& templateTexts,
                                    std::string_view paperSizesText);

}  // namespace tagmora
