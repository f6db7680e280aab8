#include "model/data_file.h"

#include <gtest/gtest.h>

#include "captured_messages.h"
#include "model/user_message.h"
#include "test_folder.h"

namespace tagmora {
namespace {

using testing::CapturedMessages;
using testing::TestFolder;

TEST(DataFile, ReadsWholeBlocksAndStopsEachBlockAtItsFirstZeroByte) {
    TestFolder folder;
    const std::string exact(2048, 'x');
    TestFolder::WriteBytes(folder.File("exact.txt"), exact);
    EXPECT_EQ(exact, DataFile(folder.File("exact.txt"), false).ReadAllText(true));

    std::string zeroed = std::string(10, 'a') + '\0' + std::string(2037, 'b') + std::string(5, 'c');
    TestFolder::WriteBytes(folder.File("zero.txt"), zeroed);
    EXPECT_EQ(std::string(10, 'a') + "ccccc", DataFile(folder.File("zero.txt"), false).ReadAllText(true));

    const std::string large(5000, 'L');
    TestFolder::WriteBytes(folder.File("large.txt"), large);
    EXPECT_EQ(large, DataFile(folder.File("large.txt"), false).ReadAllText(true));
}

TEST(DataFile, WritesBytesUnchangedAndReportsTheLength) {
    TestFolder folder;
    const DataFile file(folder.File("out.txt"), false);
    const std::string text = "a\r\nb\nc\xBB";
    EXPECT_EQ(7, file.WriteAllText(text, true).value_or(-1));
    EXPECT_EQ(text, TestFolder::ReadBytes(folder.File("out.txt")));

    // An empty text empties the file; its length 0 is still a success.
    EXPECT_EQ(0, file.WriteAllText("", true).value_or(-1));
    EXPECT_EQ("", TestFolder::ReadBytes(folder.File("out.txt")));
    EXPECT_EQ(std::vector<std::string>{"out.txt"}, folder.Entries());
}

TEST(DataFile, MissingFileGivesTheReadMessageWithThePath) {
    TestFolder folder;
    CapturedMessages messages;
    const std::string path = folder.File("absent.dat");
    const DataFile file(path, false);
    EXPECT_FALSE(file.Exists());
    EXPECT_EQ("", file.ReadAllText(false));
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ("", file.ReadAllText(true));
    ASSERT_EQ(1u, messages.Texts().size());
    EXPECT_EQ("Error reading data from disk:\n" + path + " was not found.", messages.Texts()[0]);
}

TEST(DataFile, CreatesOneFolderLevelOnly) {
    TestFolder folder;
    const DataFile logs(folder.Path() + "Logs\\printed.txt", true);
    EXPECT_TRUE(TestFolder::IsFolder(folder.Path() + "Logs"));
    EXPECT_TRUE(logs.WriteAllText("x", true).has_value());

    CapturedMessages messages;
    const std::string deep = folder.Path() + "A\\B\\c.txt";
    const DataFile file(deep, true);
    EXPECT_FALSE(TestFolder::IsFolder(folder.Path() + "A"));
    EXPECT_FALSE(file.WriteAllText("x", true).has_value());
    ASSERT_EQ(1u, messages.Texts().size());
    EXPECT_EQ("Error exporting data to disk:\n" + deep + " contains an invalid path.", messages.Texts()[0]);
}

TEST(DataFile, AFailedSaveLeavesTheOldFileAsItWas) {
    TestFolder folder;
    // A folder where the file should be: the replacement fails after the temporary file was written.
    const std::string target = folder.Path() + "Target";
    const DataFile asFolder(target + "\\inner.txt", true);
    ASSERT_TRUE(asFolder.WriteAllText("keep me", true).has_value());

    CapturedMessages messages;
    EXPECT_FALSE(DataFile(target, false).WriteAllText("new", true).has_value());
    ASSERT_EQ(1u, messages.Texts().size());
    EXPECT_EQ(0u, messages.Texts()[0].rfind("Error exporting data to disk:\n", 0));
    EXPECT_EQ("keep me", TestFolder::ReadBytes(target + "\\inner.txt"));
    EXPECT_EQ(std::vector<std::string>{"Target"}, folder.Entries());
}

TEST(DataFile, TheSaveRefusesAReadOnlyFileAsThePlatformWouldAndNoNameBlocksItsTemporaryFile) {
    TestFolder folder;
    const DataFile file(folder.File("wm.dat"), false);
    const DataFile oldTemporaryName(folder.File("wm.dat.~tmp\\x"), true);  // a folder of that name
    EXPECT_TRUE(file.WriteAllText("the user's sheet", true).has_value());
    namespace fs = std::filesystem;
    fs::permissions(TestFolder::Native(file.Path()), fs::perms::owner_write, fs::perm_options::remove);
    CapturedMessages messages;
    EXPECT_FALSE(file.WriteAllText("defaults", true).has_value());
    fs::permissions(TestFolder::Native(file.Path()), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(std::vector<std::string>{kWriteErrorPrefix + ("Access to " + file.Path() + " was denied.")},
              messages.Texts());
    EXPECT_EQ("the user's sheet", TestFolder::ReadBytes(file.Path()));
    EXPECT_EQ((std::vector<std::string>{"wm.dat", "wm.dat.~tmp"}), folder.Entries());
}

TEST(FileErrorDescription, NamesThePathAndStaysWithin254Characters) {
    EXPECT_EQ("Access to wm.dat was denied.", FileErrorDescription(FileErrorCause::AccessDenied, "wm.dat"));
    EXPECT_EQ("Disk full while accessing a.", FileErrorDescription(FileErrorCause::DiskFull, "a"));
    EXPECT_EQ("An unknown error occurred while accessing a.",
              FileErrorDescription(FileErrorCause::Unknown, "a"));
    const std::string longPath(400, 'p');
    const std::string text = FileErrorDescription(FileErrorCause::SharingViolation, longPath);
    EXPECT_EQ(254u, text.size());
    EXPECT_EQ("A sharing violation occurred while accessing ppp", text.substr(0, 48));
}

}  // namespace
}  // namespace tagmora
