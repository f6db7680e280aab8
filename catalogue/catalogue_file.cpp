#include "catalogue/catalogue_file.h"

#include <cstdint>

#include "model/data_file.h"
#include "model/working_folder.h"

namespace tagmora {

namespace {

constexpr int kFieldCount = 16;
constexpr std::size_t kMaxTextLength = 200;
// A metre: more than any paper, so no sum of lengths can overflow.
constexpr std::int32_t kMaxLength = 100000;

// A tab or line end inside a text would split the line: it becomes a space.
std::string Field(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos)
            return fields;
        line.remove_prefix(tab + 1);
    }
}

bool ReadNumber(std::string_view text, std::int32_t& value) {
    if (text.empty() || text.size() > 6)
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return value <= kMaxLength;
}

// What the paper leaves for one label between the margins and gaps, in hundredths.
double LaidOutSize(std::int32_t paper, std::int32_t nearMargin, std::int32_t farMargin, std::int32_t gap,
                   int n) {
    return (static_cast<double>(paper) - nearMargin - farMargin - (n - 1.0) * gap) / n;
}

// Empty when the line makes a product; else what is wrong with it.
std::string ReadProduct(std::string_view line, ProductSheet& product) {
    const std::vector<std::string_view> fields = SplitFields(line);
    if (fields.size() != kFieldCount)
        return std::to_string(fields.size()) + " fields instead of " + std::to_string(kFieldCount);
    for (int i = 0; i < 4; ++i) {
        if (fields[i].size() > kMaxTextLength)
            return "a text longer than " + std::to_string(kMaxTextLength) + " characters";
    }
    if (fields[0].empty() || fields[1].empty())
        return "no maker or part number";
    product.maker = fields[0];
    product.part = fields[1];
    product.description = fields[2];
    product.paperName = fields[3];
    std::int32_t numbers[kFieldCount - 4];
    for (int i = 4; i < kFieldCount; ++i) {
        if (!ReadNumber(fields[i], numbers[i - 4]))
            return "\"" + std::string(fields[i].substr(0, 20)) + "\" is no length";
    }
    product.paperWidth = numbers[0];
    product.paperHeight = numbers[1];
    product.cols = numbers[2];
    product.rows = numbers[3];
    product.labelWidth = numbers[4];
    product.labelHeight = numbers[5];
    product.leftMargin = numbers[6];
    product.topMargin = numbers[7];
    product.columnGap = numbers[8];
    product.rowGap = numbers[9];
    product.rightMargin = numbers[10];
    product.bottomMargin = numbers[11];
    if (product.cols < 1 || product.cols > kMaxProductColumns || product.rows < 1 ||
        product.cols * product.rows > kMaxProductLabels)
        return "a grid of " + std::to_string(product.cols) + " x " + std::to_string(product.rows);
    // The margins and gaps must leave the labels their own size (within the rounding to hundredths), so
    // that a damaged digit cannot pass for a product.
    const double width = LaidOutSize(product.paperWidth, product.leftMargin, product.rightMargin,
                                     product.columnGap, product.cols);
    const double height = LaidOutSize(product.paperHeight, product.topMargin, product.bottomMargin,
                                      product.rowGap, product.rows);
    if (product.labelWidth < 1 || product.labelHeight < 1 || width - product.labelWidth > 2 ||
        product.labelWidth - width > 2 || height - product.labelHeight > 2 ||
        product.labelHeight - height > 2)
        return "margins and gaps that do not leave the label its size";
    return {};
}

}  // namespace

std::string WriteCatalogue(const std::vector<ProductSheet>& products) {
    std::string text = kCatalogueHeader;
    text +=
        "\n# maker, part, description, paper, then in hundredths of a millimetre: paper width, height,"
        " columns, rows, label width, height, left, top, column gap, row gap, right, bottom\n";
    for (const ProductSheet& p : products) {
        text +=
            Field(p.maker) + '\t' + Field(p.part) + '\t' + Field(p.description) + '\t' + Field(p.paperName);
        for (const std::int32_t n :
             {p.paperWidth, p.paperHeight, static_cast<std::int32_t>(p.cols),
              static_cast<std::int32_t>(p.rows), p.labelWidth, p.labelHeight, p.leftMargin, p.topMargin,
              p.columnGap, p.rowGap, p.rightMargin, p.bottomMargin})
            text += '\t' + std::to_string(n);
        text += '\n';
    }
    return text;
}

CatalogueRead ReadCatalogue(std::string_view text) {
    CatalogueRead result;
    int lineNumber = 0;
    bool headerSeen = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!headerSeen) {
            if (line != kCatalogueHeader) {
                result.error = "line 1 is not \"" + std::string(kCatalogueHeader) + "\"";
                return result;
            }
            headerSeen = true;
            continue;
        }
        if (line.empty() || line.front() == '#')
            continue;
        ProductSheet product;
        const std::string problem = ReadProduct(line, product);
        if (!problem.empty()) {
            result.products.clear();
            result.error = "line " + std::to_string(lineNumber) + ": " + problem;
            return result;
        }
        result.products.push_back(std::move(product));
    }
    if (!headerSeen)
        result.error = "the file is empty";
    else if (result.products.empty())
        result.error = "the file holds no products";
    return result;
}

CatalogueRead LoadCatalogue(const std::string& path) {
    const FileText file = DataFile(path, false).Read();
    CatalogueRead result;
    if (file.failure) {
        result.error =
            "The catalogue of label sheets could not be read:\n" + FileErrorDescription(*file.failure, path);
        return result;
    }
    result = ReadCatalogue(file.text);
    if (!result.error.empty())
        result.error = "The catalogue of label sheets " + path + " is damaged (" + result.error + ").";
    return result;
}

std::string CataloguePath() {
    return WorkingFolder() + kCatalogueFileName;
}

}  // namespace tagmora
