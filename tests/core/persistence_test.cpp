#include <gtest/gtest.h>

#include <filesystem>

#include "captured_messages.h"
#include "model/file_system.h"
#include "model/setup_file.h"
#include "model/sheet_persistence.h"
#include "model/user_message.h"
#include "model/working_folder.h"
#include "print/printed_log.h"
#include "test_folder.h"

namespace tagmora {
namespace {

using testing::CapturedMessages;
using testing::TestFolder;

TEST(SheetPersistence, SaveThenLoadGivesTheSameSheet) {
    TestFolder folder;
    LabelSheet sheet;
    sheet.MutableSettings().COLS = 3;
    sheet.MutableSettings().ROWS = 7;
    sheet.Slot(20).DEST = "Smith && Sons\r\nHigh St";
    sheet.Slot(127).enabled = true;
    ASSERT_TRUE(SaveSheetToPath(sheet, folder.File("sheet.tgm")));
    EXPECT_EQ(0u, TestFolder::ReadBytes(folder.File("sheet.tgm")).rfind("[TAGMORA PRO SETUP FILE]\r\n", 0));

    LabelSheet loaded;
    EXPECT_EQ(SheetLoad::Read, LoadSheetFromPath(loaded, folder.File("sheet.tgm")));
    EXPECT_EQ(sheet, loaded);
}

TEST(SheetPersistence, AMissingFileGivesTheDefaultsSilently) {
    TestFolder folder;
    CapturedMessages messages;
    LabelSheet sheet;
    sheet.SetAllEnabled(true);
    sheet.MutableSettings().COLS = 5;
    EXPECT_EQ(SheetLoad::Defaults, LoadSheetFromPath(sheet, folder.File("nothing-here.tgm")));
    EXPECT_EQ(LabelSheet(), sheet);
    EXPECT_TRUE(messages.Texts().empty());
}

// Files that are there but are no setup file: each named in one message saying why, and the sheet kept.
TEST(SheetPersistence, AFileThatIsNoSetupFileIsRefusedAndTheSheetKept) {
    TestFolder folder;
    TestFolder::WriteBytes(folder.File("notes.txt"),
                           "Shopping list\r\nmilk, COLS 5 = eggs\r\n<B>bread</B>\r\n");
    TestFolder::WriteBytes(folder.File("huge.tgm"), kSetupFileHeader + std::string(kMaxReadBytes, ' '));
    const bool onWine = std::filesystem::path::preferred_separator == '\\';  // drive Z: is the root there
    const std::pair<std::string, std::string> cases[] = {
        {folder.File("notes.txt"), " is not a Tagmora setup file"},
        {folder.File("huge.tgm"), " is larger than 64 MiB"},
        {(onWine ? "Z:" : "") + std::string("\\dev\\zero"), " is not an ordinary file"},
    };
    for (const auto& [path, says] : cases) {
        CapturedMessages messages;
        LabelSheet sheet;
        sheet.Slot(9).DEST = "kept";
        const LabelSheet before = sheet;
        EXPECT_EQ(SheetLoad::Refused, LoadSheetFromPath(sheet, path)) << path;
        EXPECT_EQ(before, sheet) << path;
        EXPECT_EQ(1u, messages.Texts().size()) << path;
        for (const std::string& text : messages.Texts())
            EXPECT_NE(std::string::npos, text.find(path + says)) << text;
    }
}

// Beside the header or a key line (tried through the program), a section alone makes a setup file.
TEST(SheetPersistence, AFileWithOnlyASectionOrAnUnendedLineLoads) {
    TestFolder folder;
    const std::pair<std::string, int> cases[] = {
        {"<FONT>Arial</FONT>", 2 * 4},
        {"<DEST127>only the last</DEST127>", 2 * 4},
        // A value with neither a comma nor a line feed after it reads as empty: one row.
        {"COLS=3,ROWS=5", 3 * 1},
    };
    for (const auto& [text, labels] : cases) {
        CapturedMessages messages;
        LabelSheet sheet;
        TestFolder::WriteBytes(folder.File("hand.tgm"), text);
        EXPECT_EQ(SheetLoad::Read, LoadSheetFromPath(sheet, folder.File("hand.tgm"))) << text;
        EXPECT_EQ(labels, sheet.LabelCount()) << text;
        EXPECT_TRUE(messages.Texts().empty()) << text;
    }
}

TEST(SheetPersistence, ARefusedStateFileIsSetAsideUnderAFreeNameBeforeTheDefaultsGoOn) {
    TestFolder folder;
    for (const char* aside : {"wm.dat.bad", "wm.dat.bad2"}) {
        TestFolder::WriteBytes(folder.File("wm.dat"), aside);
        CapturedMessages messages;
        LabelSheet sheet;
        const StateFileLoad load = LoadStateFile(sheet, folder.File("wm.dat"));
        EXPECT_TRUE(load.outcome == SheetLoad::Refused && load.saveAtExit);
        EXPECT_EQ(LabelSheet(), sheet);
        EXPECT_EQ(aside, TestFolder::ReadBytes(folder.File(aside)));
        EXPECT_FALSE(TestFolder::IsFile(folder.File("wm.dat")));
        ASSERT_EQ(1u, messages.Texts().size());
        EXPECT_NE(std::string::npos, messages.Texts()[0].find("set aside as " + folder.File(aside)));
    }
}

TEST(SheetPersistence, SetupFileNamesGetTheirExtensionOnce) {
    EXPECT_EQ("C:\\x\\mysheet.tgm", SetupFileNameWithExtension("C:\\x\\mysheet"));
    EXPECT_EQ("mysheet.txt.tgm", SetupFileNameWithExtension("mysheet.txt"));
    EXPECT_EQ("old.tgm.bak", SetupFileNameWithExtension("old.tgm.bak"));
    EXPECT_EQ("a.TGM.tgm", SetupFileNameWithExtension("a.TGM"));
}

// Runs a block with the program's folder set to a test folder.
class WorkingFolderScope {
  public:
    explicit WorkingFolderScope(const TestFolder& folder) : previous_(WorkingFolder()) {
        SetWorkingFolder(folder.Path());
    }
    ~WorkingFolderScope() { SetWorkingFolder(previous_); }

  private:
    std::string previous_;
};

TEST(PrintedLog, IsNamedAfterTheLocalDateAndTime) {
    EXPECT_EQ(WorkingFolder() + "PRINTED\\-1--1--1_-1--1--1.txt", PrintedLogPath(0, true));
    // 7 December 2026, 14:05:09
    EXPECT_EQ(WorkingFolder() + "PRINTED\\7-12-2026_14-05-09.txt",
              PrintedLogPath(46363.0 + (14 * 3600 + 5 * 60 + 9) / 86400.0, false));
}

TEST(PrintedLog, HoldsEveryDestTextInOrderEachFollowedByTheSeparator) {
    std::string log;
    AppendPrintedLogEntry(log, "Smith && Sons");
    AppendPrintedLogEntry(log, "");
    AppendPrintedLogEntry(log, "Ends in a break\r\n");
    const std::string separator = "\r\n" + std::string(36, '-') + "\r\n";
    EXPECT_EQ(40u, separator.size());
    EXPECT_EQ("Smith && Sons" + separator + separator + "Ends in a break\r\n" + separator, log);

    TestFolder folder;
    WorkingFolderScope inFolder(folder);
    // Two jobs in one second (or in two) keep two logs.
    ASSERT_TRUE(WritePrintedLog(log));
    ASSERT_TRUE(WritePrintedLog(log));
    ASSERT_TRUE(TestFolder::IsFolder(folder.Path() + "PRINTED"));
    int logs = 0;
    std::string content;
    std::string native = folder.Path() + "PRINTED";
#if !defined(_WIN32)
    for (char& c : native)
        c = c == '\\' ? '/' : c;
#endif
    for (const auto& entry : std::filesystem::directory_iterator(native)) {
        ++logs;
        content = TestFolder::ReadBytes(entry.path().string());
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(".txt", name.substr(name.size() - 4));
        EXPECT_EQ(std::string::npos, name.find("-1-")) << name;
    }
    EXPECT_EQ(2, logs);
    EXPECT_EQ(log, content);
    const auto taken = [](const std::string& path) { return path.find("_3") == std::string::npos; };
    EXPECT_EQ("P\\1-2-2026_10-00-00_3.txt", FreeLogPath("P\\1-2-2026_10-00-00.txt", taken));
}

}  // namespace
}  // namespace tagmora
