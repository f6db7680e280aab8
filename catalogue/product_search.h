#pragma once
// Finds products as a user names them: by part number, typed with or without its spaces, dashes and the
// maker's prefix letters ("L7160", "l 7160", "7160"); by maker ("avery"), also with a part number
// ("avery 5160"); by a word of the description; or by label size ("63.5 x 38.1", "63,5x38,1 mm"). The
// best matches come first; products that match equally well keep the catalogue's order.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/product_sheet.h"

namespace tagmora {

class ProductIndex {
  public:
    // Keeps what the search compares for every product; the products themselves are not kept.
    explicit ProductIndex(const std::vector<ProductSheet>& products);

    // The positions of the matching products, best first; every product, in order, for an empty query.
    std::vector<int> Find(std::string_view query) const;

  private:
    struct Keys {
        std::string part;         // letters and digits only, lower case
        std::string partNumber;   // the same without its leading letters
        std::string maker;        // letters and digits only, lower case
        std::string description;  // lower case, every other character a space, framed by spaces
        double labelWidth = 0;    // millimetres
        double labelHeight = 0;
    };
    int Score(const Keys& keys, const std::string& whole, const std::vector<std::string>& tokens, bool bySize,
              double width, double height) const;

    std::vector<Keys> keys_;
};

}  // namespace tagmora
