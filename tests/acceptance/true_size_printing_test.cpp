// True size on paper: sheets of exact lengths printed by the real program, through "/p" and through the
// Print button, on the test printer (A4, 300 dpi) and the Letter printer (600 dpi, other margins), and every
// enabled label's border found in the rendered page within one printer dot of where the millimetres put it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "acceptance_fixture.h"
#include "model/exact_lengths.h"
#include "model/sheet_persistence.h"
#include "printed_page.h"
#include "real_input.h"
#include "res/resource_ids.h"
#include "screen_capture.h"

namespace tagmora::acceptance {
namespace {

using namespace std::chrono_literals;

// The sheet's millimetres, as the test knows them, apart from the program's hundredths.
struct PaperSheet {
    const char* printer;
    const char* jobsVariable;
    double width, height, left, top, labelWidth, labelHeight, columnGap;
    int columns, rows;
};

// The common 21 labels of 63.5 x 38.1 mm on A4, and 18 of them on Letter, placed off the centre.
const PaperSheet kA4Sheet{
    "Tagmora Test Printer", "TAGMORA_PRINTER_JOBS", 210, 297, 7.2, 15.15, 63.5, 38.1, 2.5, 3, 7};
const PaperSheet kLetterSheet{"Tagmora Letter Printer",
                              "TAGMORA_LETTER_PRINTER_JOBS",
                              215.9,
                              279.4,
                              10.15,
                              20.35,
                              63.5,
                              38.1,
                              2.5,
                              3,
                              6};

std::int32_t Hundredths(double mm) {
    return static_cast<std::int32_t>(std::lround(mm * 100));
}

// Every other label, so that no two enabled labels share an edge and each border stands alone.
bool Enabled(int slot, int columns) {
    return (slot / columns + slot % columns) % 2 == 0;
}

LabelSheet SheetOf(const PaperSheet& p, bool trueSize) {
    ExactGeometry g;
    g.COLS = p.columns;
    g.ROWS = p.rows;
    g.WMM = Hundredths(p.width);
    g.HMM = Hundredths(p.height);
    g.COLSPC = Hundredths(p.columnGap);
    g.ROWSPC = 0;
    g.LFTMRG = Hundredths(p.left);
    g.TOPMRG = Hundredths(p.top);
    g.RGTMRG = Hundredths(p.width - p.left - p.columns * p.labelWidth - (p.columns - 1) * p.columnGap);
    g.BOTMRG = Hundredths(p.height - p.top - p.rows * p.labelHeight);
    LabelSheet sheet;
    ApplyExactGeometry(sheet.MutableSettings(), g, trueSize);
    for (int i = 0; i < kSlotCount; ++i)
        sheet.Slot(i).enabled = i < p.columns * p.rows && Enabled(i, p.columns);
    return sheet;
}

std::string Environment(const char* name) {
    char value[MAX_PATH] = {};
    return GetEnvironmentVariableA(name, value, sizeof value) > 0 ? value : "";
}

// Makes a printer the default for as long as it lives: "/p" and the print dialog both start from it.
class DefaultPrinterChoice {
  public:
    explicit DefaultPrinterChoice(const char* printer) {
        DWORD size = sizeof previous_;
        GetDefaultPrinterA(previous_, &size);
        chosen_ = SetDefaultPrinterA(printer) != FALSE;
    }
    ~DefaultPrinterChoice() { SetDefaultPrinterA(previous_); }
    DefaultPrinterChoice(const DefaultPrinterChoice&) = delete;
    DefaultPrinterChoice& operator=(const DefaultPrinterChoice&) = delete;
    bool Chosen() const { return chosen_; }

  private:
    char previous_[512] = {};
    bool chosen_ = false;
};

// The first marked pixel met on a walk of up to `steps` pixels, or -1000.
int FirstMark(const PagePicture& page, int x, int y, int dx, int dy, int steps) {
    for (int i = 0; i < steps; ++i, x += dx, y += dy) {
        if (page.At(x, y) != RGB(0xFF, 0xFF, 0xFF))
            return dx != 0 ? x : y;
    }
    return -1000;
}

// Each edge of the label's border, walked onto from outside, lies within a dot of the rectangle (paper
// coordinates, right and bottom exclusive).
void ExpectBorderAt(const PagePicture& page, const DeviceRect& r, const std::string& what) {
    const int midX = (r.left + r.right) / 2;
    const int midY = (r.top + r.bottom) / 2;
    EXPECT_NEAR(r.left, FirstMark(page, r.left - 6, midY, 1, 0, 13), 1) << what << " left";
    EXPECT_NEAR(r.right - 1, FirstMark(page, r.right + 5, midY, -1, 0, 13), 1) << what << " right";
    EXPECT_NEAR(r.top, FirstMark(page, midX, r.top - 6, 0, 1, 13), 1) << what << " top";
    EXPECT_NEAR(r.bottom - 1, FirstMark(page, midX, r.bottom + 5, 0, -1, 13), 1) << what << " bottom";
}

// Where the millimetres put label `slot` on the paper, in dots, rounded to the nearest.
DeviceRect ExactPlace(const PaperSheet& p, int slot, int dpi) {
    const auto dots = [dpi](double mm) {
        return static_cast<std::int32_t>(std::floor(mm / 25.4 * dpi + 0.5));
    };
    const double left = p.left + (slot % p.columns) * (p.labelWidth + p.columnGap);
    const double top = p.top + (slot / p.columns) * p.labelHeight;
    return {dots(left), dots(top), dots(left + p.labelWidth), dots(top + p.labelHeight)};
}

// A message box of the process: a visible top-level window with the program's caption.
struct BoxSearch {
    DWORD processId;
    HWND box;
};

BOOL CALLBACK FindProductBox(HWND window, LPARAM found) {
    auto* search = reinterpret_cast<BoxSearch*>(found);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && WindowText(window) == "Tagmora Professional")
        search->box = window;
    return search->box == nullptr;
}

class TrueSizePrintingTest : public AcceptanceTest {
  protected:
    void SetUp() override {
        AcceptanceTest::SetUp();
        if (IsSkipped())
            return;
        if (Environment("TAGMORA_LETTER_PRINTER_JOBS").empty())
            GTEST_SKIP() << "no bench printers (TAGMORA_PRINTER_JOBS, TAGMORA_LETTER_PRINTER_JOBS)";
        ASSERT_TRUE(InstallProgram(folder.Path(), true));
    }

    struct Command {
        DWORD exitCode = STILL_ACTIVE;
        std::vector<std::string> messages;
    };

    // "Tagmora.exe /p <file>" to its end; each message it shows is read and answered with OK.
    Command PrintCommand(const std::string& setupFile) {
        Command result;
        std::string line = "\"" + folder.Path() + "Tagmora.exe\" /p \"" + setupFile + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.Path().c_str(),
                            &startup, &process)) {
            ADD_FAILURE() << "cannot start " << line;
            return result;
        }
        const auto end = std::chrono::steady_clock::now() + 60s;
        while (WaitForSingleObject(process.hProcess, 100) == WAIT_TIMEOUT &&
               std::chrono::steady_clock::now() < end) {
            BoxSearch search{process.dwProcessId, nullptr};
            EnumWindows(&FindProductBox, reinterpret_cast<LPARAM>(&search));
            if (search.box && !MessageBoxText(search.box).empty()) {
                result.messages.push_back(MessageBoxText(search.box));
                PostMessageA(search.box, WM_COMMAND, IDOK, 0);
                Sleep(300);
            }
        }
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return result;
    }

    // The newest job's page of the printer, after one more job than `before` arrived.
    PagePicture NewPage(const PaperSheet& p, std::size_t before, const std::string& keepAs) {
        const std::string jobs = Environment(p.jobsVariable);
        EXPECT_TRUE(WaitUntil([&] { return PrinterJobs(jobs).size() == before + 1; }, 30s))
            << "no page on " << p.printer;
        const std::vector<std::string> all = PrinterJobs(jobs);
        const std::string job = all.empty() ? "" : jobs + "\\" + all.back();
        const std::string png = job.substr(0, job.size() >= 3 ? job.size() - 3 : 0) + ".png";
        WaitUntil([&] { return testing::TestFolder::IsFile(png); }, 10s);
        CopyFileA(png.c_str(), ScreenshotPath(keepAs).c_str(), FALSE);
        return PagePicture(png);
    }

    std::size_t Jobs(const PaperSheet& p) { return PrinterJobs(Environment(p.jobsVariable)).size(); }

    void ExpectTrueSizePage(const PaperSheet& p, const PagePicture& page, int dpi) {
        ASSERT_TRUE(page.Loaded());
        EXPECT_NEAR(std::lround(p.width / 25.4 * dpi), page.Width(), 2);
        for (int slot = 0; slot < p.columns * p.rows; ++slot) {
            if (Enabled(slot, p.columns))
                ExpectBorderAt(page, ExactPlace(p, slot, dpi),
                               std::string(p.printer) + " label " + std::to_string(slot + 1));
        }
    }
};

TEST_F(TrueSizePrintingTest,
       SlashPPrintsExactLengthsTrueToSizeOnBothPrintersAndRefusesAPageThatMissesTheSheet) {
    for (const auto& printerSheet : {std::pair{kA4Sheet, 300}, std::pair{kLetterSheet, 600}}) {
        const PaperSheet& sheet = printerSheet.first;
        const int dpi = printerSheet.second;
        const DefaultPrinterChoice printer(sheet.printer);
        ASSERT_TRUE(printer.Chosen()) << sheet.printer;
        const std::string file = folder.File("true size.tgm");
        ASSERT_TRUE(SaveSheetToPath(SheetOf(sheet, true), file));
        const std::size_t before = Jobs(sheet);
        const Command printed = PrintCommand(file);
        EXPECT_EQ(0u, printed.exitCode) << sheet.printer;
        EXPECT_TRUE(printed.messages.empty()) << printed.messages.front();
        ExpectTrueSizePage(
            sheet, NewPage(sheet, before, std::string("true-size-p-") + std::to_string(dpi) + ".png"), dpi);
    }

    // The A4 sheet on the Letter printer, and on the A4 printer with its left column in the printer's edge:
    // the message, exit code 1, no page.
    LabelSheet narrow = SheetOf(kA4Sheet, true);
    ExactGeometry g = CurrentExactGeometry(narrow.Settings());
    g.LFTMRG = 500;
    g.RGTMRG = 950;
    ApplyExactGeometry(narrow.MutableSettings(), g, true);
    const struct {
        const PaperSheet& printer;
        LabelSheet sheet;
        const char* says;
    } refused[] = {
        {kLetterSheet, SheetOf(kA4Sheet, true),
         "The printer's paper is 215.9 x 279.4 mm, but the label sheet is 210 x 297 mm."},
        {kA4Sheet, narrow,
         "label 1 by 1.35 mm, label 7 by 1.35 mm, label 13 by 1.35 mm, label 19 by 1.35 mm."},
    };
    for (const auto& c : refused) {
        const DefaultPrinterChoice printer(c.printer.printer);
        const std::string file = folder.File("refused.tgm");
        ASSERT_TRUE(SaveSheetToPath(c.sheet, file));
        const std::size_t before = Jobs(c.printer);
        const Command command = PrintCommand(file);
        EXPECT_EQ(1u, command.exitCode) << c.says;
        ASSERT_EQ(1u, command.messages.size()) << c.says;
        EXPECT_NE(std::string::npos, command.messages[0].find(c.says)) << command.messages[0];
        EXPECT_NE(std::string::npos, command.messages[0].find("Nothing was printed.")) << command.messages[0];
        Sleep(500);
        EXPECT_EQ(before, Jobs(c.printer)) << c.says;
    }
}

TEST_F(TrueSizePrintingTest,
       ThePrintButtonPrintsTrueToSizeOnBothPrintersAndTheSameSheetWithTrueSizeOffAsEver) {
    for (const auto& printerSheet : {std::pair{kA4Sheet, 300}, std::pair{kLetterSheet, 600}}) {
        const PaperSheet& sheet = printerSheet.first;
        const int dpi = printerSheet.second;
        const DefaultPrinterChoice printer(sheet.printer);
        ASSERT_TRUE(printer.Chosen()) << sheet.printer;
        ASSERT_TRUE(SaveSheetToPath(SheetOf(sheet, true), StateFile()));
        auto session = Start(true);
        ASSERT_TRUE(session->Started());
        const auto print = [&](const std::string& keepAs) {
            const std::size_t before = Jobs(sheet);
            Click(ControlCentre(session->MainWindow(), IDC_PRINT));
            HWND dialog = WaitForWindow(*session, "Print", 10s);
            EXPECT_TRUE(dialog && Activate(dialog)) << "no print dialog";
            PressKey(VK_RETURN);
            return NewPage(sheet, before, keepAs);
        };
        ExpectTrueSizePage(sheet, print("true-size-" + std::to_string(dpi) + ".png"), dpi);

        // True size off in the Setup Dialog: the classic page, stretched over the printable area.
        Click(ControlCentre(session->MainWindow(), IDC_SETUP));
        HWND setup = WaitForWindow(*session, "Label Sheet Setup", 5s);
        ASSERT_NE(nullptr, setup);
        // A length shows its decimals.
        EXPECT_EQ(LengthText(Hundredths(sheet.top)), WindowText(GetDlgItem(setup, IDC_SETUP_TOPMRG)));
        Click(ControlCentre(setup, IDC_SETUP_TRUESIZE));
        Click(ControlCentre(setup, IDC_SETUP_OK));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(setup); }, 5s));
        const PagePicture classic = print("classic-" + std::to_string(dpi) + ".png");
        const PrinterPage caps = DefaultPrinterPage();
        const SheetLayout layout = LayOutSheet(SheetOf(sheet, false).Settings(), caps.PrintableArea());
        for (int slot = 0; slot < layout.count; ++slot) {
            if (!Enabled(slot, sheet.columns))
                continue;
            DeviceRect r = layout.slots[static_cast<std::size_t>(slot)].label;
            r = {r.left + caps.offsetX, r.top + caps.offsetY, r.right + caps.offsetX,
                 r.bottom + caps.offsetY};
            ExpectBorderAt(classic, r, std::string("classic label ") + std::to_string(slot + 1));
        }
        CloseWithEscape(*session);
    }
}

// A product of the catalogue chosen by its part number in the Setup Dialog: wm.dat holds its exact sheet,
// true to size, and /p prints its labels where the product's data puts them.
TEST_F(TrueSizePrintingTest, AProductChosenByItsPartNumberIsStoredExactlyAndPrintsWhereItsLabelsAre) {
    // Ascom ABP-509: 2 x 6 labels of 88.5 x 42 mm, 15 mm from the left, 22.5 mm from the top, 3 mm apart.
    const PaperSheet product{
        "Tagmora Test Printer", "TAGMORA_PRINTER_JOBS", 210, 297, 15, 22.5, 88.5, 42, 3, 2, 6};
    LabelSheet start;
    for (int i = 0; i < kSlotCount; ++i)
        start.Slot(i).enabled = Enabled(i, product.columns);
    ASSERT_TRUE(SaveSheetToPath(start, StateFile()));
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    Click(ControlCentre(session->MainWindow(), IDC_SETUP));
    const HWND setup = WaitForWindow(*session, "Label Sheet Setup", 5s);
    ASSERT_NE(nullptr, setup);
    Click(ControlCentre(setup, IDC_SETUP_PRODUCTS));
    const HWND chooser = WaitForWindow(*session, "Label Sheet Products", 10s);
    ASSERT_NE(nullptr, chooser);
    TypeText("ABP-509");
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(chooser); }, 5s));
    EXPECT_NE(std::string::npos, WindowText(GetDlgItem(setup, IDC_SETUP_PRODUCT_NAME)).find("ABP-509"));
    EXPECT_EQ("22.5", WindowText(GetDlgItem(setup, IDC_SETUP_TOPMRG)));
    ScreenCapture(ClientRectOnScreen(setup)).SavePng(ScreenshotPath("setup-product.png"));
    Click(ControlCentre(setup, IDC_SETUP_OK));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(setup); }, 5s));
    CloseWithEscape(*session);

    const LabelSheet stored = SheetIn(StateFile());
    const ExactGeometry g = CurrentExactGeometry(stored.Settings());
    EXPECT_TRUE(stored.Settings().TRUESIZE);
    EXPECT_EQ((std::vector<int>{2, 6, 21000, 29700, 300, 0, 2250, 1500, 1500, 2250}),
              (std::vector<int>{g.COLS, g.ROWS, g.WMM, g.HMM, g.COLSPC, g.ROWSPC, g.TOPMRG, g.LFTMRG,
                                g.RGTMRG, g.BOTMRG}));
    const std::string copy = folder.File("product.tgm");
    ASSERT_TRUE(CopyFileA(StateFile().c_str(), copy.c_str(), FALSE));
    const std::size_t before = Jobs(product);
    const Command printed = PrintCommand(copy);
    EXPECT_EQ(0u, printed.exitCode);
    ExpectTrueSizePage(product, NewPage(product, before, "product-p-300.png"), 300);
}

}  // namespace
}  // namespace tagmora::acceptance
