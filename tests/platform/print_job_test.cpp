// The print job without its dialog: which labels it prints, and what happens when the printer takes the
// page, refuses the document outright, or accepts it and then fails to finish it.
#include "print/print_job.h"

#include <gtest/gtest.h>
#include <winspool.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/working_folder.h"
#include "print/printed_log.h"
#include "tests/core/test_folder.h"
#include "win/gdi.h"
#include "window_test_support.h"

namespace tagmora {
namespace {

using apptest::CapturedMessages;
using testing::TestFolder;

TEST(EnabledShownSlotsTest, ListsTheEnabledLabelsInUseInSlotOrder) {
    LabelSheet sheet;
    EXPECT_EQ((std::vector<int>{0, 3}), EnabledShownSlots(sheet));
    sheet.Slot(7).enabled = true;
    sheet.Slot(0).enabled = false;
    EXPECT_EQ((std::vector<int>{3, 7}), EnabledShownSlots(sheet));
}

TEST(EnabledShownSlotsTest, FlagsBeyondTheGridInUseDoNotCount) {
    LabelSheet sheet;
    sheet.SetAllEnabled(false);
    sheet.Slot(8).enabled = true;
    sheet.Slot(127).enabled = true;
    EXPECT_TRUE(EnabledShownSlots(sheet).empty());

    // A larger grid shows them: 3 x 5 labels reach slot 14, not 15.
    sheet.MutableSettings().COLS = 3;
    sheet.MutableSettings().ROWS = 5;
    sheet.Slot(14).enabled = true;
    sheet.Slot(15).enabled = true;
    EXPECT_EQ((std::vector<int>{8, 14}), EnabledShownSlots(sheet));
}

// The job writes its log under the program's folder: each test runs with a fresh one.
class ProgramFolder {
  public:
    explicit ProgramFolder(const std::string& folder) : previous_(WorkingFolder()) {
        SetWorkingFolder(folder);
    }
    ~ProgramFolder() { SetWorkingFolder(previous_); }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

  private:
    std::string previous_;
};

// A printer of the bench's PostScript driver on a port that leads nowhere: Wine starts the document and
// the page, and fails EndDoc (error 122). Removed again when the test ends; the default printer stays.
class RefusingPrinter {
  public:
    static constexpr const wchar_t* kName = L"Tagmora Refusing Printer";

    RefusingPrinter() {
        wchar_t defaultName[512] = {};
        DWORD size = 512;
        if (GetDefaultPrinterW(defaultName, &size))
            defaultPrinter_ = defaultName;
        PRINTER_INFO_2W info{};
        info.pPrinterName = const_cast<wchar_t*>(kName);
        info.pPortName = const_cast<wchar_t*>(L"TAGMORA-NOWHERE:");
        info.pDriverName = const_cast<wchar_t*>(L"Tagmora Test PostScript");
        info.pPrintProcessor = const_cast<wchar_t*>(L"WinPrint");
        info.pDatatype = const_cast<wchar_t*>(L"RAW");
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        if (HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info))) {
            ClosePrinter(printer);
            added_ = true;
        }
        // A run that crashed may have left it behind.
        added_ = added_ || GetLastError() == ERROR_PRINTER_ALREADY_EXISTS;
    }
    ~RefusingPrinter() {
        PRINTER_DEFAULTSW access{};
        access.DesiredAccess = PRINTER_ALL_ACCESS;
        HANDLE printer = nullptr;
        if (added_ && OpenPrinterW(const_cast<wchar_t*>(kName), &printer, &access)) {
            DeletePrinter(printer);
            ClosePrinter(printer);
        }
        wchar_t defaultName[512] = {};
        DWORD size = 512;
        if (!defaultPrinter_.empty() &&
            (!GetDefaultPrinterW(defaultName, &size) || defaultPrinter_ != defaultName))
            SetDefaultPrinterW(defaultPrinter_.c_str());
    }
    RefusingPrinter(const RefusingPrinter&) = delete;
    RefusingPrinter& operator=(const RefusingPrinter&) = delete;

    bool Added() const { return added_; }

  private:
    bool added_ = false;
    std::wstring defaultPrinter_;
};

std::string DefaultPrinterName() {
    char name[512] = {};
    DWORD size = sizeof name;
    return GetDefaultPrinterA(name, &size) ? name : "";
}

std::vector<std::string> FilesMatching(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

class PrintOnDeviceTest : public ::testing::Test {
  protected:
    std::string PrintedFolder() const { return folder.File("PRINTED"); }

    TestFolder folder;
    ProgramFolder programFolder{folder.Path()};
    CapturedMessages messages;
    LabelSheet sheet;
};

TEST_F(PrintOnDeviceTest, ADeviceThatRefusesTheDocumentGetsTheNotPrintedMessageAndNoLog) {
    // Not a printer: StartDoc fails on a memory device context.
    const MemoryDC memory(nullptr);
    ASSERT_TRUE(memory.Get());
    const LabelSheet before = sheet;

    EXPECT_FALSE(PrintOnDevice(memory.Get(), nullptr, sheet));
    EXPECT_EQ(std::vector<std::string>{kNotPrintedMessage}, messages.Texts());
    EXPECT_FALSE(TestFolder::IsFolder(PrintedFolder()));
    EXPECT_EQ(before, sheet);
}

TEST_F(PrintOnDeviceTest, APrinterThatFailsToEndTheDocumentGetsTheNotPrintedMessageAndNoLog) {
    const RefusingPrinter refusing;
    if (!refusing.Added())
        GTEST_SKIP() << "no bench printer driver to add a refusing printer with";
    const OwnedDC printer(CreateDCW(L"WINSPOOL", RefusingPrinter::kName, nullptr, nullptr));
    ASSERT_TRUE(printer.Get());
    {
        // The printer does start documents: what fails is the end.
        const OwnedDC probe(CreateDCW(L"WINSPOOL", RefusingPrinter::kName, nullptr, nullptr));
        DOCINFOW document{};
        document.cbSize = sizeof document;
        document.lpszDocName = L"";
        ASSERT_GT(StartDocW(probe.Get(), &document), 0);
        AbortDoc(probe.Get());
    }

    EXPECT_FALSE(PrintOnDevice(printer.Get(), nullptr, sheet));
    EXPECT_EQ(std::vector<std::string>{kNotPrintedMessage}, messages.Texts());
    EXPECT_FALSE(TestFolder::IsFolder(PrintedFolder()));
}

TEST_F(PrintOnDeviceTest, APrinterThatTakesThePageGetsTheLogOfTheEnabledLabelsAndNoMessage) {
    // Only on the bench's printer, which keeps its pages as files: a real default printer would use paper.
    char jobsFolder[MAX_PATH] = {};
    if (GetEnvironmentVariableA("TAGMORA_PRINTER_JOBS", jobsFolder, sizeof jobsFolder) == 0)
        GTEST_SKIP() << "no test printer (TAGMORA_PRINTER_JOBS) to print on";
    const std::string jobs = std::string(jobsFolder) + "\\job-*.ps";
    const std::size_t jobsBefore = FilesMatching(jobs).size();
    const OwnedDC printer(CreateDCA("WINSPOOL", DefaultPrinterName().c_str(), nullptr, nullptr));
    ASSERT_TRUE(printer.Get());
    sheet.SetAllEnabled(false);
    sheet.Slot(2).enabled = true;
    sheet.Slot(5).enabled = true;
    sheet.Slot(9).enabled = true;  // beyond the 2 x 4 labels in use
    sheet.Slot(2).DEST = "Smith && Sons\r\n1 High Street";
    sheet.Slot(5).DEST = "";

    EXPECT_TRUE(PrintOnDevice(printer.Get(), nullptr, sheet));
    EXPECT_TRUE(messages.Texts().empty());
    const std::vector<std::string> logs = FilesMatching(PrintedFolder() + "\\*.txt");
    ASSERT_EQ(1u, logs.size());
    EXPECT_EQ(std::string("Smith && Sons\r\n1 High Street") + kPrintedLogSeparator + kPrintedLogSeparator,
              TestFolder::ReadBytes(PrintedFolder() + "\\" + logs[0]));
    EXPECT_TRUE(sheet.Slot(2).enabled);

    // The bench's port waits for its script, which renders the page beside the job before it ends.
    const std::vector<std::string> after = FilesMatching(jobs);
    ASSERT_EQ(jobsBefore + 1, after.size());
    const std::string newest = *std::max_element(after.begin(), after.end());
    const std::string picture = std::string(jobsFolder) + "\\" + newest.substr(0, newest.size() - 3) + ".png";
    EXPECT_TRUE(TestFolder::IsFile(picture)) << picture << " was not there when the job returned";
}

}  // namespace
}  // namespace tagmora
