// "Tagmora.exe /p <file>" in process: what it prints, where the log goes, and that every way it can fail
// says why and ends with a non-zero code, without printing the defaults or touching "wm.dat".
#include "app/print_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/data_file.h"
#include "model/sheet_persistence.h"
#include "model/working_folder.h"
#include "print/print_job.h"
#include "print/printed_log.h"
#include "tests/core/test_folder.h"
#include "window_test_support.h"

namespace tagmora {
namespace {

using apptest::CapturedMessages;
using testing::TestFolder;

std::vector<std::string> Names(const std::string& pattern) {
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

int Count(const std::string& pattern) {
    return static_cast<int>(Names(pattern).size());
}

// The program's folder (the working folder) and the folder the command is given in are different ones.
class PrintCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char jobsFolder[MAX_PATH] = {};
        if (GetEnvironmentVariableA("TAGMORA_PRINTER_JOBS", jobsFolder, sizeof jobsFolder) == 0)
            GTEST_SKIP() << "no test printer (TAGMORA_PRINTER_JOBS) to print on";
        jobs = std::string(jobsFolder) + "\\job-*.ps";
        previousWorking = WorkingFolder();
        SetWorkingFolder(program.Path());
        char current[MAX_PATH] = {};
        GetCurrentDirectoryA(sizeof current, current);
        previousCurrent = current;
        SetCurrentDirectoryA(caller.Path().c_str());
    }
    void TearDown() override {
        if (previousCurrent.empty())
            return;
        SetCurrentDirectoryA(previousCurrent.c_str());
        SetWorkingFolder(previousWorking);
    }
    // The log folder holds this many logs, and nothing else was left in the program's folder.
    void ExpectLogs(int count) {
        EXPECT_EQ(count, Count(program.File("PRINTED\\*.txt")));
        EXPECT_FALSE(TestFolder::IsFile(program.File(kStateFileName)));
        EXPECT_FALSE(TestFolder::IsFolder(caller.File("PRINTED")));
    }

    TestFolder program;
    TestFolder caller;
    CapturedMessages messages;
    std::string jobs;
    std::string previousWorking;
    std::string previousCurrent;
};

TEST_F(PrintCommandTest, PrintsTheFilesEnabledLabelsOnTheDefaultPrinterAndLogsThemBesideTheProgram) {
    LabelSheet sheet;
    sheet.SetAllEnabled(false);
    sheet.Slot(1).enabled = true;
    sheet.Slot(1).DEST = "Smith && Sons";
    ASSERT_TRUE(SaveSheetToPath(sheet, caller.File("home.tgm")));
    const int jobsBefore = Count(jobs);

    // A relative name is the caller's file, though the log goes beside the program.
    EXPECT_EQ(0, PrintSetupFile("home.tgm"));
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(jobsBefore + 1, Count(jobs));
    ExpectLogs(1);
    const std::vector<std::string> logs = Names(program.File("PRINTED\\*.txt"));
    ASSERT_EQ(1u, logs.size());
    EXPECT_EQ(std::string("Smith && Sons") + kPrintedLogSeparator,
              TestFolder::ReadBytes(program.File("PRINTED\\") + logs[0]));
}

TEST_F(PrintCommandTest, EachFailureSaysWhyEndsWithACodeAndPrintsNothing) {
    LabelSheet sheet;
    sheet.SetAllEnabled(false);
    sheet.Slot(8).enabled = true;  // beyond the 2 x 4 labels in use
    ASSERT_TRUE(SaveSheetToPath(sheet, caller.File("none-enabled.tgm")));
    const std::string missing = caller.File("missing.tgm");
    const int jobsBefore = Count(jobs);

    EXPECT_EQ(1, PrintSetupFile(missing));
    EXPECT_EQ(1, PrintSetupFile(caller.File("none-enabled.tgm")));
    EXPECT_EQ(1, PrintSetupFile(""));
    EXPECT_EQ((std::vector<std::string>{
                  kReadErrorPrefix + FileErrorDescription(FileErrorCause::FileNotFound, missing),
                  kNoActiveLabelMessage, kPrintWhatMessage}),
              messages.Texts());
    EXPECT_EQ(jobsBefore, Count(jobs));
    ExpectLogs(0);
}

}  // namespace
}  // namespace tagmora
