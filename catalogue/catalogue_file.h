#pragma once
// The catalogue file the program reads, "sheet-products.txt" beside the program: a first line
// "TAGMORA SHEET PRODUCTS 1", then one product a line, sixteen fields separated by tabs:
//   maker, part number, description, paper name, paper width, paper height, columns, rows, label width,
//   label height, left margin, top margin, column gap, row gap, right margin, bottom margin
// with every length a whole number of hundredths of a millimetre. Empty lines and lines starting with '#'
// are skipped. The reader takes the file whole or not at all: a damaged line makes the whole file
// damaged, with the line named, so no product is ever offered with a wrong sheet.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/product_sheet.h"

namespace tagmora {

constexpr const char* kCatalogueFileName = "sheet-products.txt";
constexpr const char* kCatalogueLicenceFileName = "sheet-products-licence.txt";
constexpr const char* kCatalogueHeader = "TAGMORA SHEET PRODUCTS 1";

struct CatalogueRead {
    std::vector<ProductSheet> products;
    std::string error;  // the user's text when the file is missing or damaged; empty when read
};

std::string WriteCatalogue(const std::vector<ProductSheet>& products);

// Reads a catalogue's text; on damage no products and an error naming the line.
CatalogueRead ReadCatalogue(std::string_view text);

// Reads the catalogue file at the path; a file that cannot be read or is damaged gives the error text the
// chooser shows, which names the file.
CatalogueRead LoadCatalogue(const std::string& path);

// The catalogue beside the program, in the working folder.
std::string CataloguePath();

}  // namespace tagmora
