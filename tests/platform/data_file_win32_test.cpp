// The Data File on real Windows paths and error codes.
#include <gtest/gtest.h>
#include <windows.h>

#include "model/data_file.h"
#include "model/sheet_persistence.h"
#include "model/user_message.h"
#include "tests/core/captured_messages.h"
#include "tests/core/test_folder.h"

namespace tagmora {
namespace {

using testing::CapturedMessages;
using testing::TestFolder;

// Holds a file open without sharing, as another program (a backup tool, an editor) might.
class ExclusiveOpen {
  public:
    explicit ExclusiveOpen(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~ExclusiveOpen() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

TEST(DataFileOnWindows, RelativePathsAreNamedAsHeld) {
    TestFolder folder;
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    {
        CapturedMessages messages;
        EXPECT_EQ("", DataFile("wm.dat", false).ReadAllText(true));
        ASSERT_EQ(1u, messages.Texts().size());
        EXPECT_EQ("Error reading data from disk:\nwm.dat was not found.", messages.Texts()[0]);

        EXPECT_TRUE(DataFile(".\\PRINTED\\x.txt", true).WriteAllText("log", true).has_value());
        EXPECT_EQ("log", TestFolder::ReadBytes(folder.Path() + "PRINTED\\x.txt"));
    }
    SetCurrentDirectoryA(previous);
}

TEST(DataFileOnWindows, AMissingParentIsABadPath) {
    TestFolder folder;
    CapturedMessages messages;
    const std::string path = folder.Path() + "A\\B\\c.txt";
    EXPECT_FALSE(DataFile(path, true).WriteAllText("x", true).has_value());
    ASSERT_EQ(1u, messages.Texts().size());
    EXPECT_EQ("Error exporting data to disk:\n" + path + " contains an invalid path.", messages.Texts()[0]);
}

TEST(DataFileOnWindows, DoubledBackslashesOpenNormally) {
    TestFolder folder;
    TestFolder::WriteBytes(folder.File("logo.txt"), "content");
    EXPECT_EQ("content", DataFile(folder.Path() + "\\logo.txt", false).ReadAllText(true));
}

TEST(DataFileOnWindows, AFileLockedByAnotherProgramKeepsItsContent) {
    TestFolder folder;
    const std::string path = folder.File("wm.dat");
    const DataFile file(path, false);
    ASSERT_TRUE(file.WriteAllText("the user's addresses", true).has_value());
    CapturedMessages messages;
    {
        ExclusiveOpen lock(path);
        ASSERT_TRUE(lock.IsOpen());
        EXPECT_FALSE(file.WriteAllText("replacement", true).has_value());
        EXPECT_EQ("", file.ReadAllText(true));
        // A sheet is not lost because its file could not be read for a moment.
        LabelSheet sheet;
        EXPECT_EQ(SheetLoad::Refused, LoadSheetFromPath(sheet, path));
    }
    ASSERT_EQ(3u, messages.Texts().size());
    // The platform names the cause of the refused replacement (Wine says access denied); the path is ours.
    EXPECT_EQ(0u, messages.Texts()[0].rfind("Error exporting data to disk:\n", 0));
    EXPECT_NE(std::string::npos, messages.Texts()[0].find(path));
    EXPECT_EQ("Error reading data from disk:\nA sharing violation occurred while accessing " + path + ".",
              messages.Texts()[1]);
    EXPECT_EQ(messages.Texts()[1], messages.Texts()[2]);
    EXPECT_EQ("the user's addresses", file.ReadAllText(true));
    EXPECT_EQ(std::vector<std::string>{"wm.dat"}, folder.Entries());
}

TEST(DataFileOnWindows, AFolderCannotBeReadAsAFile) {
    TestFolder folder;
    CapturedMessages messages;
    EXPECT_EQ("", DataFile(folder.Path() + ".", false).ReadAllText(true));
    ASSERT_EQ(1u, messages.Texts().size());
    EXPECT_EQ(0u, messages.Texts()[0].rfind("Error reading data from disk:\n", 0));
}

}  // namespace
}  // namespace tagmora
