// The Label Sheet Products chooser over the shipped catalogue, driven by keys posted as a user types them:
// a part number and Enter, the arrow key from the search box, Escape; and a missing or damaged catalogue.
#include "catalogue/sheet_products_dialog.h"

#include <gtest/gtest.h>

#include "catalogue/catalogue_file.h"
#include "model/working_folder.h"
#include "res/resource_ids.h"
#include "tests/core/test_folder.h"
#include "window_test_support.h"

namespace tagmora {
namespace {

using apptest::ModalScript;

HWND FindChooser() {
    return FindWindowA("#32770", "Label Sheet Products");
}

// Posted, so that the dialog's own loop translates each key as it does a typed one.
ModalScript::Step Keys(const std::string& text, std::vector<WPARAM> keys) {
    return [=] {
        const HWND chooser = FindChooser();
        if (!chooser || !IsWindowVisible(chooser))
            return false;
        const HWND box = GetDlgItem(chooser, IDC_PRODUCT_SEARCH);
        for (const char c : text)
            PostMessageA(box, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
        for (const WPARAM key : keys) {
            PostMessageA(box, WM_KEYDOWN, key, 1);
            PostMessageA(box, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        }
        return true;
    };
}

class SheetProductsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SKIP_WITHOUT_WINDOWS();
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        previousFolder_ = WorkingFolder();
        SetWorkingFolder(WorkingFolderFromExecutablePath(path));
    }
    void TearDown() override { SetWorkingFolder(previousFolder_); }

    bool Choose(std::vector<ModalScript::Step> steps, ProductSheet& chosen) {
        ModalScript script(std::move(steps), std::chrono::seconds(10));
        const bool result = ChooseSheetProduct(nullptr, chosen);
        EXPECT_TRUE(script.Finished());
        EXPECT_FALSE(script.TimedOut());
        return result;
    }

    std::string previousFolder_;
};

TEST_F(SheetProductsDialogTest, APartNumberTypedAndEnterChooseItAndTheArrowKeysMoveFromTheSearchBox) {
    const CatalogueRead catalogue = LoadCatalogue(CataloguePath());
    ASSERT_EQ("", catalogue.error);
    ProductSheet chosen;
    ASSERT_TRUE(Choose({Keys("l-7160", {VK_RETURN})}, chosen));
    EXPECT_EQ("Avery", chosen.maker);
    EXPECT_EQ("L7160", chosen.part);
    EXPECT_EQ(3, chosen.cols);
    EXPECT_EQ(7, chosen.rows);

    // The second best match of "7160", chosen with Down and Enter typed into the search box.
    const std::vector<int> found = ProductIndex(catalogue.products).Find("7160");
    ASSERT_GE(found.size(), 2u);
    ASSERT_TRUE(Choose({Keys("7160", {VK_DOWN, VK_RETURN})}, chosen));
    const ProductSheet& second = catalogue.products[static_cast<std::size_t>(found[1])];
    EXPECT_EQ(second.maker + " " + second.part, chosen.maker + " " + chosen.part);
    EXPECT_EQ(second.leftMargin, chosen.leftMargin);
    EXPECT_EQ(second.bottomMargin, chosen.bottomMargin);

    EXPECT_FALSE(Choose({Keys("avery", {VK_ESCAPE})}, chosen));
}

TEST_F(SheetProductsDialogTest, AMissingOrDamagedCatalogueIsReportedAndChoosesNothing) {
    testing::TestFolder folder;
    SetWorkingFolder(folder.Path());
    apptest::CapturedMessages messages;
    ProductSheet chosen;
    EXPECT_FALSE(ChooseSheetProduct(nullptr, chosen));
    testing::TestFolder::WriteBytes(folder.File(kCatalogueFileName),
                                    "TAGMORA SHEET PRODUCTS 1\nAvery\tL7160\n");
    EXPECT_FALSE(ChooseSheetProduct(nullptr, chosen));
    ASSERT_EQ(2u, messages.Texts().size());
    EXPECT_NE(std::string::npos, messages.Texts()[0].find("sheet-products.txt was not found"));
    EXPECT_NE(std::string::npos, messages.Texts()[1].find("is damaged (line 2: 2 fields instead of 16)"));
}

}  // namespace
}  // namespace tagmora
