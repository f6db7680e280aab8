// Printing as a person does it: labels picked with the mouse, an address typed into the editor, Print and
// the print dialog; then the page that came out of the test printer and the log the program left behind.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <set>

#include "acceptance_fixture.h"
#include "model/sheet_persistence.h"
#include "printed_page.h"
#include "real_input.h"
#include "render/label_geometry.h"
#include "res/resource_ids.h"
#include "screen_capture.h"

namespace tagmora::acceptance {
namespace {

using namespace std::chrono_literals;
using testing::TestFolder;

constexpr const char* kPrintDialogTitle = "Print";
constexpr const char* kMessageCaption = "Tagmora Professional";
// A log is written as a temporary file beside its final name and then renamed: only a finished log ends
// in .txt.
constexpr const char* kLogPattern = "*.txt";
const std::string kSeparator = "\r\n" + std::string(36, '-') + "\r\n";

// Wine's PostScript driver writes colours with two decimals: the border's 0xAA arrives as 0.67, 171.
bool IsBorderGrey(COLORREF colour) {
    return NearColour(colour, RGB(0xAA, 0xAA, 0xAA), 3);
}
bool IsPaper(COLORREF colour) {
    return colour == RGB(0xFF, 0xFF, 0xFF);
}
bool IsInk(COLORREF colour) {
    return GetRValue(colour) < 128 && GetGValue(colour) < 128 && GetBValue(colour) < 128;
}

DeviceRect Moved(const DeviceRect& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Local time in seconds (of the FILETIME scale), as the log's name records it.
std::int64_t Seconds(const SYSTEMTIME& time) {
    FILETIME file{};
    if (!SystemTimeToFileTime(&time, &file))
        return -1;
    return static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(file.dwHighDateTime) << 32 | file.dwLowDateTime) / 10000000u);
}

std::int64_t LocalSecondsNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return Seconds(now);
}

// The local time a log's name stands for, or -1 when the name is not day-month-year_hh-mm-ss.txt written
// without leading zeros in the date and with two digits for each part of the time.
std::int64_t LoggedSeconds(const std::string& name) {
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    if (std::sscanf(name.c_str(), "%d-%d-%d_%d-%d-%d.txt", &day, &month, &year, &hour, &minute, &second) != 6)
        return -1;
    char canonical[64] = {};
    std::snprintf(canonical, sizeof canonical, "%d-%d-%d_%02d-%02d-%02d.txt", day, month, year, hour, minute,
                  second);
    if (name != canonical || year < 1000)
        return -1;
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    return Seconds(time);
}

// A path for a person to open: the Linux path when Wine's drive Z: leads there.
std::string ShownPath(const std::string& path) {
    char full[MAX_PATH] = {};
    if (GetFullPathNameA(path.c_str(), sizeof full, full, nullptr) == 0)
        return path;
    std::string shown = full;
    if (shown.rfind("Z:\\", 0) == 0 || shown.rfind("z:\\", 0) == 0) {
        shown = shown.substr(2);
        for (char& c : shown) {
            if (c == '\\')
                c = '/';
        }
    }
    return shown;
}

class PrintingTest : public AcceptanceTest {
  protected:
    void SetUp() override {
        AcceptanceTest::SetUp();
        if (IsSkipped())
            return;
        jobs = PrinterJobsFolder();
        if (jobs.empty())
            GTEST_SKIP() << "no test printer (TAGMORA_PRINTER_JOBS) to print on";
    }
    // Presses the Main Window's Print button.
    void PressPrint(ProgramSession& session) { Click(ControlCentre(session.MainWindow(), IDC_PRINT)); }
    std::string PrintedFolder() const { return folder.File("PRINTED"); }

    std::string jobs;
};

TEST_F(PrintingTest, CancelInThePrintDialogPrintsNothingAndReturnPrintsOnePageAndOneLog) {
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    const std::size_t jobsBefore = PrinterJobs(jobs).size();

    PressPrint(*session);
    HWND print = WaitForWindow(*session, kPrintDialogTitle, 10s);
    ASSERT_NE(nullptr, print) << "Print opened no print dialog";
    ASSERT_TRUE(Activate(print));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(print); }, 5s));
    Sleep(300);
    EXPECT_EQ(nullptr, session->FindOtherDialog());
    EXPECT_FALSE(TestFolder::IsFolder(PrintedFolder()));
    EXPECT_EQ(jobsBefore, PrinterJobs(jobs).size());

    PressPrint(*session);
    print = WaitForWindow(*session, kPrintDialogTitle, 10s);
    ASSERT_NE(nullptr, print);
    ASSERT_TRUE(Activate(print));
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return PrinterJobs(jobs).size() == jobsBefore + 1; }, 15s))
        << "no page reached the printer";
    EXPECT_TRUE(WaitUntil([&] { return FilesIn(PrintedFolder(), kLogPattern) == 1; }, 5s))
        << "no printed-labels log";
    EXPECT_EQ(nullptr, session->FindOtherDialog());
    EXPECT_TRUE(session->Running());
}

// Setup files written by hand, one from the command line and one through "Load a saved setup" in another
// folder: both load, and the logs of the prints after them stay beside the program, not beside the files.
TEST_F(PrintingTest, HandWrittenSetupFilesLoadAndEveryLogStaysBesideTheProgram) {
    const std::string elsewhere = folder.File("elsewhere");
    ASSERT_TRUE(CreateDirectoryA(elsewhere.c_str(), nullptr));
    const std::string headerless = elsewhere + "\\keys.tgm", foreign = elsewhere + "\\foreign.tgm";
    TestFolder::WriteBytes(headerless, "COLS=3\nROWS=5\n<ONOF>1</ONOF><DEST0>from the command line</DEST0>");
    TestFolder::WriteBytes(foreign,
                           "[LABEL PRINTER 2000]\r\nCOLS=4,ROWS=6\r\n<ONOF>01</ONOF>\r\n"
                           "<DEST1>loaded in Setup</DEST1>");
    auto session = Start(true, "\"" + headerless + "\"");
    ASSERT_TRUE(session->Started());
    ASSERT_EQ(nullptr, session->FindOtherDialog()) << MessageBoxText(session->FindOtherDialog());
    std::set<std::string> seen;
    const auto printAndReadLog = [&](int logs) {
        PressPrint(*session);
        const HWND print = WaitForWindow(*session, kPrintDialogTitle, 10s);
        if (!print || !Activate(print))
            return std::string("no print dialog");
        PressKey(VK_RETURN);
        if (!WaitUntil([&] { return FilesIn(PrintedFolder(), kLogPattern) == logs; }, 30s))
            return std::string("no log beside the program");
        std::string log;
        for (const std::string& name : FileNamesIn(PrintedFolder(), kLogPattern)) {
            if (seen.insert(name).second)
                log = TestFolder::ReadBytes(PrintedFolder() + "\\" + name);
        }
        Sleep(1100);  // the next log is named after another second
        return log;
    };
    EXPECT_EQ("from the command line" + kSeparator, printAndReadLog(1));

    Click(ControlCentre(session->MainWindow(), IDC_SETUP));
    const HWND setup = WaitForWindow(*session, "Label Sheet Setup", 5s);
    ASSERT_NE(nullptr, setup);
    Click(ControlCentre(setup, IDC_SETUP_LOAD));
    const HWND chooser = WaitForWindow(*session, "Open", 5s);
    ASSERT_NE(nullptr, chooser);
    TypeText(foreign);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(setup); }, 10s))
        << MessageBoxText(session->FindOtherDialog());
    const std::string second = printAndReadLog(2);
    EXPECT_TRUE(second == "loaded in Setup" + kSeparator) << second;
    EXPECT_FALSE(TestFolder::IsFolder(elsewhere + "\\PRINTED"));
    CloseWithEscape(*session);
    const SheetSettings stored = SheetIn(StateFile()).Settings();
    EXPECT_EQ((std::vector<int>{4, 6}), (std::vector<int>{stored.COLS, stored.ROWS}));
}

TEST_F(PrintingTest, PageHoldsExactlyTheEnabledLabelsWhereTheLayoutPutsThemAndTheLogTheirStoredAddresses) {
    const PrinterPage page = DefaultPrinterPage();
    ASSERT_FALSE(page.printerName.empty()) << "no default printer";
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    HWND main = session->MainWindow();
    const ScreenLabels labels(main, SheetSettings{});

    // From the first start's 0 and 3 to 1, 3 and 6.
    for (int slot : {0, 1, 6})
        Click(labels.Centre(slot));
    const std::string address = "Smith & Sons\r\n1 High Street";
    const std::string stored = "Smith && Sons\r\n1 High Street";
    HWND editor = OpenAddressEditor(*session, labels.Centre(6));
    ASSERT_NE(nullptr, editor) << "a right click on the label opened no Address Editor";
    ReplaceAddress(editor, address);
    EXPECT_EQ(address, WindowText(GetDlgItem(editor, IDC_DESTINATION_ADDRESS)));
    ASSERT_TRUE(PressEditorButton(editor, IDOK)) << "OK did not close the Address Editor";

    const std::vector<std::string> jobsBefore = PrinterJobs(jobs);
    PressPrint(*session);
    HWND print = WaitForWindow(*session, kPrintDialogTitle, 10s);
    ASSERT_NE(nullptr, print) << "Print opened no print dialog";
    ASSERT_TRUE(Activate(print));
    const std::int64_t printedFrom = LocalSecondsNow();
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return FilesIn(PrintedFolder(), kLogPattern) > 0; }, 15s))
        << "no printed-labels log";
    const std::int64_t printedBy = LocalSecondsNow();
    // The log follows EndDoc, and EndDoc waits for the printer's port: the page and its picture are there.
    const std::vector<std::string> jobsAfter = PrinterJobs(jobs);
    ASSERT_EQ(jobsBefore.size() + 1, jobsAfter.size()) << "not exactly one page reached the printer";
    const std::string job = jobs + "\\" + jobsAfter.back();
    const std::string picturePath = job.substr(0, job.size() - 3) + ".png";
    ASSERT_TRUE(TestFolder::IsFile(picturePath)) << "the bench rendered no picture of " << job;

    // The log: one new file, named after the time of the job, holding the stored addresses in slot order.
    const std::vector<std::string> logs = FileNamesIn(PrintedFolder(), kLogPattern);
    ASSERT_EQ(1u, logs.size());
    const std::string logPath = PrintedFolder() + "\\" + logs[0];
    const std::int64_t logged = LoggedSeconds(logs[0]);
    EXPECT_NE(-1, logged) << logs[0] << " is not named day-month-year_hh-mm-ss.txt";
    EXPECT_GE(logged, printedFrom - 2) << logs[0];
    EXPECT_LE(logged, printedBy + 2) << logs[0];
    const std::string defaultAddress = kDefaultDest;
    EXPECT_EQ(defaultAddress + kSeparator + defaultAddress + kSeparator + stored + kSeparator,
              TestFolder::ReadBytes(logPath));

    const std::string pageCopy = ScreenshotPath("printed-page.png");
    const std::string logCopy = ScreenshotPath("printed-log.txt");
    EXPECT_TRUE(CopyFileA(picturePath.c_str(), pageCopy.c_str(), FALSE));
    EXPECT_TRUE(CopyFileA(logPath.c_str(), logCopy.c_str(), FALSE));
    std::printf("printed page: %s\nprinted log:  %s\n", ShownPath(pageCopy).c_str(),
                ShownPath(logCopy).c_str());

    // The page: the sheet laid out on the printable area, which lies the physical offset into the paper.
    const PagePicture picture(picturePath);
    ASSERT_TRUE(picture.Loaded()) << picturePath;
    EXPECT_NEAR(page.physicalWidth, picture.Width(), 2);
    EXPECT_NEAR(page.physicalHeight, picture.Height(), 2);
    const SheetSettings settings;
    const SheetLayout printed = LayOutSheet(settings, page.PrintableArea());
    ASSERT_EQ(8, printed.count);
    std::vector<DeviceRect> enabledLabels;
    for (int slot = 0; slot < printed.count; ++slot) {
        const SlotLayout& layout = printed.slots[static_cast<std::size_t>(slot)];
        const DeviceRect label = Moved(layout.label, page.offsetX, page.offsetY);
        if (slot != 1 && slot != 3 && slot != 6) {
            // A dot in from the edges: a neighbouring label's border may spread that far.
            EXPECT_EQ(0, picture.Count(label.Shrunk(1), [](COLORREF c) { return !IsPaper(c); }))
                << "disabled slot " << slot << " left marks on the paper";
            continue;
        }
        enabledLabels.push_back(label.Shrunk(-2));
        const LabelMeasures m = MeasureLabel(layout.label);
        const int midX = (label.left + label.right) / 2;
        const int midY = (label.top + label.bottom) / 2;
        // The grey border on every edge within a dot of where the layout puts it, the white fill inside.
        const DeviceRect edges[] = {
            {label.left - 1, midY, label.left + m.borderWidth + 1, midY + 1},
            {label.right - m.borderWidth - 1, midY, label.right + 1, midY + 1},
            {midX, label.top - 1, midX + 1, label.top + m.borderWidth + 1},
            {midX, label.bottom - m.borderWidth - 1, midX + 1, label.bottom + 1},
        };
        for (const DeviceRect& edge : edges) {
            EXPECT_GT(picture.Count(edge, IsBorderGrey), 0)
                << "slot " << slot << ": no border near (" << edge.left << ", " << edge.top << ")";
        }
        EXPECT_TRUE(IsPaper(picture.At(label.left + m.borderWidth + (m.inset - m.borderWidth) / 2, midY)))
            << "slot " << slot;
        const DeviceRect content =
            Moved(ComputeLabelGeometry(settings, layout, 1.0f).content, page.offsetX, page.offsetY);
        EXPECT_GT(picture.Count(content, IsInk), 500) << "slot " << slot << " printed no address";
    }
    int stray = 0;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            bool inLabel = false;
            for (const DeviceRect& label : enabledLabels)
                inLabel = inLabel || label.Contains(x, y);
            if (!inLabel && !IsPaper(picture.At(x, y)))
                ++stray;
        }
    }
    EXPECT_EQ(0, stray) << "marks on the paper outside the enabled labels";

    // Printing leaves the labels as they were.
    EXPECT_EQ(nullptr, session->FindOtherDialog());
    CloseWithEscape(*session);
    const LabelSheet saved = SheetIn(StateFile());
    for (int slot = 0; slot < kSlotCount; ++slot)
        EXPECT_EQ(slot == 1 || slot == 3 || slot == 6, saved.Slot(slot).enabled) << slot;
    EXPECT_EQ(stored, saved.Slot(6).DEST);
}

TEST_F(PrintingTest, ALogoOf5000By5000PixelsPrintsInAJobOfAFewMegabytes) {
    LabelSheet sheet;
    sheet.MutableSettings().LOGO = folder.File("large logo.bmp");
    TestFolder::WriteBytes(sheet.Settings().LOGO, SquaresBitmap(5000, 500));
    ASSERT_TRUE(SaveSheetToPath(sheet, StateFile()));
    auto session = Start(true);
    PressPrint(*session);
    HWND print = WaitForWindow(*session, kPrintDialogTitle, 10s);
    ASSERT_TRUE(print && Activate(print));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return FilesIn(PrintedFolder(), kLogPattern) > 0; }, 60s)) << "no log";

    const std::string job = jobs + "\\" + PrinterJobs(jobs).back();
    WIN32_FILE_ATTRIBUTE_DATA file{};
    ASSERT_TRUE(GetFileAttributesExA(job.c_str(), GetFileExInfoStandard, &file));
    EXPECT_LT((std::uint64_t{file.nFileSizeHigh} << 32) + file.nFileSizeLow, 4u << 20) << job;
    // The logo is on the page all the same: both colours of its squares, in the first label's logo box.
    const PrinterPage page = DefaultPrinterPage();
    const SlotLayout first = LayOutSheet(sheet.Settings(), page.PrintableArea()).slots[0];
    const DeviceRect logo =
        Moved(ComputeLabelGeometry(sheet.Settings(), first, 1.0f).logo, page.offsetX, page.offsetY);
    const PagePicture picture(job.substr(0, job.size() - 3) + ".png");
    for (COLORREF colour : {RGB(0xC8, 0, 0), RGB(0, 0, 0xC8)}) {
        EXPECT_GT(picture.Count(logo, [colour](COLORREF c) { return NearColour(c, colour); }),
                  logo.Width() * logo.Height() / 4)
            << std::hex << colour;
    }
}

TEST_F(PrintingTest, WithNoShownLabelEnabledPrintExplainsHowToEnableOneAndPrintsNothing) {
    // Enabled flags only beyond the 2 x 4 labels in use.
    LabelSheet sheet;
    sheet.SetAllEnabled(false);
    sheet.Slot(8).enabled = true;
    sheet.Slot(127).enabled = true;
    ASSERT_TRUE(SaveSheetToPath(sheet, StateFile()));
    const std::size_t jobsBefore = PrinterJobs(jobs).size();
    auto session = Start(true);
    ASSERT_TRUE(session->Started());

    PressPrint(*session);
    HWND box = WaitForWindow(*session, kMessageCaption, 5s);
    ASSERT_NE(nullptr, box) << "Print showed no message";
    EXPECT_EQ(
        "In order to print a label you must have at least one label ACTIVE.\r"
        "To activate a label simply click on the label in the print preview window.\r"
        "An active label is bright, an inactive label is grey",
        MessageBoxText(box));
    EXPECT_EQ(nullptr, session->FindWindowTitled(kPrintDialogTitle));
    ASSERT_TRUE(Activate(box));
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5s)) << "Return did not close the message";
    Sleep(500);
    EXPECT_EQ(nullptr, session->FindWindowTitled(kPrintDialogTitle)) << "a print dialog followed the message";
    EXPECT_EQ(nullptr, session->FindOtherDialog());
    EXPECT_EQ(jobsBefore, PrinterJobs(jobs).size());
    EXPECT_FALSE(TestFolder::IsFolder(PrintedFolder()));

    CloseWithEscape(*session);
    const LabelSheet saved = SheetIn(StateFile());
    EXPECT_TRUE(saved.Slot(8).enabled);
    EXPECT_TRUE(saved.Slot(127).enabled);
}

}  // namespace
}  // namespace tagmora::acceptance
