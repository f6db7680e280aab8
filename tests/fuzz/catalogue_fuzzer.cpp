// Feeds arbitrary bytes to the catalogue reader, and to the XML reader the converter uses, and stops at the
// first input that breaks what the chooser relies on: a read either fails with a reason and no products,
// or gives products whose grid a sheet holds and whose margins and gaps leave every label inside the
// paper; those products are written and read back unchanged; and the search ranks them without a fault.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue/catalogue_file.h"
#include "catalogue/product_search.h"
#include "catalogue/xml_reader.h"

namespace tagmora {
namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

void CheckCatalogue(std::string_view text) {
    const CatalogueRead read = ReadCatalogue(text);
    Require(read.error.empty() != read.products.empty());
    for (const ProductSheet& p : read.products) {
        Require(p.cols >= 1 && p.cols <= kMaxProductColumns && p.rows >= 1 &&
                p.cols * p.rows <= kMaxProductLabels);
        Require(p.leftMargin >= 0 && p.rightMargin >= 0 && p.topMargin >= 0 && p.bottomMargin >= 0);
        Require(p.leftMargin + p.rightMargin + (p.cols - 1) * p.columnGap < p.paperWidth);
        Require(p.topMargin + p.bottomMargin + (p.rows - 1) * p.rowGap < p.paperHeight);
    }
    if (read.error.empty()) {
        const CatalogueRead again = ReadCatalogue(WriteCatalogue(read.products));
        Require(again.error.empty() && WriteCatalogue(again.products) == WriteCatalogue(read.products));
    }
    const ProductIndex index(read.products);
    const std::string_view query = text.substr(0, 40);
    for (const int found : index.Find(query))
        Require(found >= 0 && static_cast<std::size_t>(found) < read.products.size());
}

}  // namespace
}  // namespace tagmora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tagmora::CheckCatalogue(text);
    const tagmora::XmlDocument document = tagmora::ReadXml(text);
    tagmora::Require(document.error.empty() != document.root.name.empty());
    return 0;
}
