#include "catalogue/product_texts.h"

namespace tagmora {

std::string MillimetreText(std::int32_t hundredths) {
    std::string text = hundredths < 0 ? "-" : "";
    const std::int64_t magnitude = hundredths < 0 ? -static_cast<std::int64_t>(hundredths) : hundredths;
    text += std::to_string(magnitude / 100);
    const int fraction = static_cast<int>(magnitude % 100);
    if (fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            text += static_cast<char>('0' + fraction % 10);
    }
    return text;
}

std::string ProductColumnText(const ProductSheet& product, ProductColumn column) {
    switch (column) {
        case ProductColumn::Maker:
            return product.maker;
        case ProductColumn::Part:
            return product.part;
        case ProductColumn::Description:
            return product.description;
        case ProductColumn::Grid:
            return std::to_string(product.cols) + " x " + std::to_string(product.rows);
        case ProductColumn::LabelSize:
            return MillimetreText(product.labelWidth) + " x " + MillimetreText(product.labelHeight) + " mm";
        case ProductColumn::Paper:
            if (!product.paperName.empty())
                return product.paperName;
            return MillimetreText(product.paperWidth) + " x " + MillimetreText(product.paperHeight) + " mm";
        case ProductColumn::Count:
            break;
    }
    return {};
}

}  // namespace tagmora
