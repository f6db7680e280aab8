#pragma once
// Reads the small part of XML the label-sheet data uses: elements with attributes, the five named entities
// and character references, comments, processing instructions and a DOCTYPE, which are skipped. Text
// between elements is not kept (the data holds none that matters). Bad input gives an error text naming
// the line, never an exception.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tagmora {

struct XmlElement {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<XmlElement> children;
    int line = 0;

    // The attribute's value, or null when the element has none of that name.
    const std::string* Attribute(std::string_view attributeName) const;
};

struct XmlDocument {
    XmlElement root;
    std::string error;  // empty when the text was read
};

// Nesting deeper than this is refused, so that no input can exhaust the stack.
constexpr int kMaxXmlDepth = 64;

XmlDocument ReadXml(std::string_view text);

}  // namespace tagmora
