// Converts the label-sheet template data into the catalogue the program reads, and says how many part
// numbers it took and why it left the others out:
//   make_catalogue <templates folder> <catalogue file>           writes the catalogue
//   make_catalogue --check <templates folder> <catalogue file>   fails unless the file is exactly the output
// The catalogue is kept in the source tree (catalogue/sheet-products.txt); the native tests run the check.

#include <algorithm>
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
    const bool check = argc == 4 && std::string(argv[1]) == "--check";
    if (argc != 3 && !check)
        return Fail("usage: make_catalogue [--check] <templates folder> <catalogue file>");
    const std::filesystem::path folder = argv[check ? 2 : 1];
    const std::filesystem::path output = argv[check ? 3 : 2];

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
    for (const auto& product : conversion.products)
        products.push_back(product.sheet);
    const std::string catalogue = tagmora::WriteCatalogue(products);

    std::printf("%d part numbers in %zu files, %zu in the catalogue; left out:\n", conversion.partNumbers,
                files.size(), products.size());
    for (const auto& [reason, count] : conversion.leftOut)
        std::printf("%6d  %s\n", count, reason.c_str());

    if (check) {
        if (ReadWhole(output) != catalogue)
            return Fail(output.string() + " is not the converter's output: run make_catalogue " +
                        folder.string() + " " + output.string());
        std::printf("%s is the converter's output.\n", output.string().c_str());
        return 0;
    }
    std::ofstream file(output, std::ios::binary);
    file << catalogue;
    if (!file.flush())
        return Fail("cannot write " + output.string());
    return 0;
}
