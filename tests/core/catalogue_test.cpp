// The catalogue of label-sheet products: the kept catalogue against the converted data, the XML and
// catalogue readers on bad input, and the search's order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "captured_messages.h"
#include "catalogue/catalogue_file.h"
#include "catalogue/product_search.h"
#include "catalogue/product_texts.h"
#include "catalogue/sheet_templates.h"
#include "catalogue/xml_reader.h"
#include "test_folder.h"

namespace tagmora {
namespace {

std::string ReadSource(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::filesystem::path SourceFolder() {
#ifdef _WIN32
    return std::filesystem::path("Z:" TAGMORA_BUILD_SOURCE_DIR) / "catalogue";
#else
    return std::filesystem::path(TAGMORA_BUILD_SOURCE_DIR) / "catalogue";
#endif
}

TemplateConversion ConvertKeptData() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(SourceFolder() / "sheet-templates")) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 14 && name.compare(name.size() - 14, 14, "-templates.xml") == 0)
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<std::string> texts;
    for (const auto& file : files)
        texts.push_back(ReadSource(file));
    return ConvertTemplates(texts, ReadSource(SourceFolder() / "sheet-templates" / "paper-sizes.xml"));
}

// One direction of a product laid out as the sheet lays it out: the label size is what the paper leaves.
void ExpectAxisAsData(std::int32_t paper, std::int32_t nearMargin, std::int32_t farMargin, std::int32_t gap,
                      int n, double offsetMm, double sizeMm, double pitchMm, const std::string& name) {
    const double size = (static_cast<double>(paper) - nearMargin - farMargin - (n - 1.0) * gap) / n;
    for (int i = 0; i < n; ++i) {
        const double edge = nearMargin + i * (size + gap);
        EXPECT_NEAR(edge / 100, offsetMm + i * pitchMm, 0.01 + 1e-9) << name << " label " << i;
        EXPECT_NEAR((edge + size) / 100, offsetMm + i * pitchMm + sizeMm, 0.01 + 1e-9)
            << name << " label " << i;
        EXPECT_GE(edge, 0) << name;
        EXPECT_LE(edge + size, paper + 1e-9) << name;
    }
}

TEST(CatalogueDataTest, TheKeptCatalogueIsTheConvertedDataAndEveryProductLaysOutAsTheDataSays) {
    const TemplateConversion conversion = ConvertKeptData();
    ASSERT_EQ("", conversion.error);
    std::vector<ProductSheet> sheets;
    for (const ConvertedProduct& product : conversion.products)
        sheets.push_back(product.sheet);
    const std::string kept = ReadSource(SourceFolder() / "sheet-products.txt");
    EXPECT_TRUE(WriteCatalogue(sheets) == kept) << "run make_catalogue catalogue/sheet-templates "
                                                   "catalogue/sheet-products.txt and commit the result";

    // The README's counts.
    EXPECT_EQ(1759, conversion.partNumbers);
    EXPECT_EQ(1352u, conversion.products.size());
    const std::vector<int> leftOut = {272, 26, 9, 46, 12, 13, 10, 19, 0, 0};
    ASSERT_EQ(leftOut.size(), conversion.leftOut.size());
    for (std::size_t i = 0; i < leftOut.size(); ++i)
        EXPECT_EQ(leftOut[i], conversion.leftOut[i].second) << conversion.leftOut[i].first;

    const CatalogueRead read = ReadCatalogue(kept);
    ASSERT_EQ("", read.error);
    ASSERT_EQ(conversion.products.size(), read.products.size());
    for (std::size_t i = 0; i < read.products.size(); ++i) {
        const ProductSheet& p = read.products[i];
        const TemplateGeometry& d = conversion.products[i].data;
        const std::string name = p.maker + " " + p.part;
        EXPECT_EQ(d.nx, p.cols) << name;
        EXPECT_EQ(d.ny, p.rows) << name;
        EXPECT_NEAR(d.paperWidth, p.paperWidth / 100.0, 0.005) << name;
        EXPECT_NEAR(d.paperHeight, p.paperHeight / 100.0, 0.005) << name;
        ExpectAxisAsData(p.paperWidth, p.leftMargin, p.rightMargin, p.columnGap, p.cols, d.x0, d.labelWidth,
                         d.dx, name);
        ExpectAxisAsData(p.paperHeight, p.topMargin, p.bottomMargin, p.rowGap, p.rows, d.y0, d.labelHeight,
                         d.dy, name);
    }
}

TEST(XmlReaderTest, ReadsWhatTheDataUsesAndNamesTheLineOfBadInput) {
    const XmlDocument document = ReadXml(
        "<?xml version=\"1.0\"?>\n<!DOCTYPE t [ <!ENTITY x \"a>b\"> ]>\n<!-- a <comment> -->\n"
        "<root a='1 &amp; 2' b=\"&lt;&#65;&#x42;&quot;\">\n  text &amp; more <child/><!-- c -->\n"
        "  <child c = \"3\"></child>\n</root>\n");
    ASSERT_EQ("", document.error);
    EXPECT_EQ("root", document.root.name);
    EXPECT_EQ("1 & 2", *document.root.Attribute("a"));
    EXPECT_EQ("<AB\"", *document.root.Attribute("b"));
    EXPECT_EQ(nullptr, document.root.Attribute("c"));
    ASSERT_EQ(2u, document.root.children.size());
    EXPECT_EQ("3", *document.root.children[1].Attribute("c"));
    EXPECT_EQ(6, document.root.children[1].line);

    EXPECT_EQ("line 2: </b> closes <a>", ReadXml("<r>\n<a></b></r>").error);
    EXPECT_EQ("line 1: an unknown entity &nbsp;", ReadXml("<r a=\"&nbsp;\"/>").error);
    EXPECT_EQ("line 3: <r> has no end tag", ReadXml("<r>\n\n").error);
    EXPECT_EQ("line 1: the attribute a is given twice", ReadXml("<r a='1' a='2'/>").error);
    EXPECT_EQ("line 1: text after the root element", ReadXml("<r/><s/>").error);
    EXPECT_NE("", ReadXml("<r a=1/>").error);
    EXPECT_NE("", ReadXml("").error);
    EXPECT_NE("", ReadXml(std::string(1000, '<')).error);
    std::string deep;
    for (int i = 0; i <= kMaxXmlDepth; ++i)
        deep += "<a>";
    EXPECT_NE("", ReadXml(deep).error);
}

TEST(CatalogueDataTest, LengthsCarryTheirUnitsAndABareNumberIsInPoints) {
    EXPECT_DOUBLE_EQ(63.5, *LengthInMillimetres("63.5mm"));
    EXPECT_DOUBLE_EQ(25.4, *LengthInMillimetres(" 1in "));
    EXPECT_DOUBLE_EQ(25.4, *LengthInMillimetres("72pt"));
    EXPECT_DOUBLE_EQ(25.4, *LengthInMillimetres("72"));
    EXPECT_DOUBLE_EQ(21.0, *LengthInMillimetres("2.1cm"));
    EXPECT_DOUBLE_EQ(0.0, *LengthInMillimetres(""));
    for (const char* bad : {"mm", "3 furlongs", "1e999mm", "nan", "2in3"})
        EXPECT_FALSE(LengthInMillimetres(bad)) << bad;
}

TEST(CatalogueFileTest, AMissingOrDamagedCatalogueGivesItsReasonAndNoProducts) {
    const ProductSheet p{"Avery", "L7160", "Address", "A4", 21000, 29700, 3,   7,
                         6350,    3810,    720,       1515, 250,   0,     730, 1515};
    const std::string good = WriteCatalogue({p});
    ASSERT_EQ("", ReadCatalogue(good).error);
    EXPECT_EQ(1515, ReadCatalogue(good).products[0].bottomMargin);
    const auto damaged = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        const CatalogueRead read = ReadCatalogue(text);
        EXPECT_TRUE(read.products.empty()) << to;
        return read.error;
    };
    EXPECT_EQ("line 1 is not \"TAGMORA SHEET PRODUCTS 1\"", damaged("PRODUCTS", "PRODUKTE"));
    EXPECT_EQ("line 3: 15 fields instead of 16", damaged("\tA4", ""));
    EXPECT_EQ("line 3: \"6x50\" is no length", damaged("6350", "6x50"));
    EXPECT_EQ("line 3: a grid of 9 x 7", damaged("\t3\t7", "\t9\t7"));
    EXPECT_EQ("line 3: margins and gaps that do not leave the label its size",
              damaged("\t720\t1515\t", "\t729\t1515\t"));
    EXPECT_EQ("line 3: no maker or part number", damaged("Avery", ""));
    EXPECT_EQ("the file is empty", ReadCatalogue("").error);
    EXPECT_EQ("the file holds no products", ReadCatalogue("TAGMORA SHEET PRODUCTS 1\r\n# none\r\n").error);

    testing::TestFolder folder;
    testing::CapturedMessages messages;
    EXPECT_NE(std::string::npos, LoadCatalogue(folder.File("none.txt")).error.find("none.txt was not found"));
    testing::TestFolder::WriteBytes(folder.File("bad.txt"), "TAGMORA SHEET PRODUCTS 1\nAvery\n");
    EXPECT_EQ("The catalogue of label sheets " + folder.File("bad.txt") +
                  " is damaged (line 2: 1 fields instead of 16).",
              LoadCatalogue(folder.File("bad.txt")).error);
    EXPECT_TRUE(messages.Texts().empty());
}

TEST(ProductTextsTest, TheListShowsLengthsWithTheirOwnDecimalsAndAPaperByName) {
    ProductSheet p{"Avery", "L7160", "", "", 21590, 27940, 3, 7, 6350, 6667, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ("3 x 7", ProductColumnText(p, ProductColumn::Grid));
    EXPECT_EQ("63.5 x 66.67 mm", ProductColumnText(p, ProductColumn::LabelSize));
    EXPECT_EQ("215.9 x 279.4 mm", ProductColumnText(p, ProductColumn::Paper));
    p.paperName = "US Letter";
    EXPECT_EQ("US Letter", ProductColumnText(p, ProductColumn::Paper));
    EXPECT_EQ("70", MillimetreText(7000));
    EXPECT_EQ("0.05", MillimetreText(5));
}

TEST(ProductSearchTest, PartNumbersMakersAndSizesFindTheBestMatchFirst) {
    const auto product = [](const char* maker, const char* part, const char* description, int w, int h) {
        ProductSheet p;
        p.maker = maker;
        p.part = part;
        p.description = description;
        p.labelWidth = w;
        p.labelHeight = h;
        return p;
    };
    const std::vector<ProductSheet> products = {
        product("Avery", "L7160", "Address labels", 6350, 3810),        // 0
        product("Avery", "L71601", "Address labels", 6350, 3810),       // 1
        product("Avery", "5160", "Address labels", 6668, 2540),         // 2
        product("Herma", "4360", "Address labels", 7000, 3700),         // 3
        product("Zweckform", "L-7160", "Mini labels", 6300, 3800),      // 4
        product("Worldlabel", "WL-875", "Mailing labels", 3810, 6350),  // 5
    };
    const ProductIndex index(products);
    using Found = std::vector<int>;
    EXPECT_EQ((Found{0, 1, 2, 3, 4, 5}), index.Find(" "));
    // Exact part numbers first, then longer ones starting so, then those holding the text.
    EXPECT_EQ((Found{0, 4, 1}), index.Find("L7160"));
    EXPECT_EQ((Found{0, 4, 1}), index.Find("l-71 60"));
    EXPECT_EQ((Found{0, 4, 1}), index.Find("7160"));
    EXPECT_EQ((Found{5}), index.Find("wl875"));
    EXPECT_EQ((Found{5}), index.Find("875"));
    // A maker alone, and with a part number, which puts that maker's part first.
    EXPECT_EQ((Found{0, 1, 2}), index.Find("avery"));
    EXPECT_EQ((Found{2}), index.Find("Avery 5160"));
    EXPECT_EQ((Found{0, 1}), index.Find("avery l71"));
    EXPECT_EQ((Found{4}), index.Find("mini"));
    // Label sizes: exact first, then within a millimetre, then turned.
    EXPECT_EQ((Found{0, 1, 4, 5}), index.Find("63.5 x 38.1"));
    EXPECT_EQ((Found{0, 1, 4, 5}), index.Find("63,5x38,1 mm"));
    EXPECT_EQ((Found{3}), index.Find("70X37"));
    EXPECT_TRUE(index.Find("nothing like it").empty());
}

}  // namespace
}  // namespace tagmora
