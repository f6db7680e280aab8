// Converts the label-sheet template data into the catalogue the program reads, and says how many part
// numbers it took and why it left the others out:
//   make_catalogue <templates folder> <catalogue file>
// The catalogue is kept in the source tree (catalogue/sheet-products.txt); the core tests convert the data
// again and fail when the kept file differs.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue_file.h"
#include "catalogue/sheet_templates.h"

namespace {

std::optional<std::string> ReadWhole(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

int Fail(const std::string& text) {
    std::fprintf(stderr, "make_catalogue: %s\n", text.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return Fail("usage: make_catalogue <templates folder> <catalogue file>");
    const std::filesystem::path folder = argv[1];
    const std::filesystem::path output = argv[2];

    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 14 && name.compare(name.size() - 14, 14, "-templates.xml") == 0)
            files.push_back(entry.path());
    }
    if (error || files.empty())
        return Fail("no *-templates.xml in " + folder.string());
    std::sort(files.begin(), files.end());
    std::vector<std::string> texts;
    for (const auto& file : files) {
        auto text = ReadWhole(file);
        if (!text)
            return Fail("cannot read " + file.string());
        texts.push_back(std::move(*text));
    }
    const auto paperSizes = ReadWhole(folder / "paper-sizes.xml");
    if (!paperSizes)
        return Fail("cannot read paper-sizes.xml in " + folder.string());

    const tagmora::TemplateConversion conversion = tagmora::ConvertTemplates(texts, *paperSizes);
    if (!conversion.error.empty())
        return Fail(conversion.error);
    std::vector<tagmora::ProductSheet> products;
    int whole = 0;
    for (const auto& product : conversion.products) {
        products.push_back(product.sheet);
        const auto& d = product.data;
        const auto isWhole = [](double mm) { return std::fabs(mm - std::round(mm)) < 1e-9; };
        whole += isWhole(d.paperWidth) && isWhole(d.paperHeight) && isWhole(d.labelWidth) &&
                 isWhole(d.labelHeight) && isWhole(d.x0) && isWhole(d.y0) && isWhole(d.dx) && isWhole(d.dy);
    }
    const std::string catalogue = tagmora::WriteCatalogue(products);

    std::printf("%d part numbers in %zu files, %zu in the catalogue; left out:\n", conversion.partNumbers,
                files.size(), products.size());
    for (const auto& [reason, count] : conversion.leftOut)
        std::printf("%6d  %s\n", count, reason.c_str());
    std::printf("%d of the products have every length a whole millimetre.\n", whole);

    std::ofstream file(output, std::ios::binary);
    file << catalogue;
    if (!file.flush())
        return Fail("cannot write " + output.string());
    return 0;
}
