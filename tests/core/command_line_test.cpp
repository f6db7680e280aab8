#include "app/command_line.h"

#include <gtest/gtest.h>

namespace tagmora {
namespace {

TEST(SetupPathFromCommandLineTest, PlainAndQuotedPaths) {
    EXPECT_EQ("", SetupPathFromCommandLine(""));
    EXPECT_EQ("", SetupPathFromCommandLine("   "));
    EXPECT_EQ("C:\\labels\\home.tgm", SetupPathFromCommandLine("C:\\labels\\home.tgm"));
    EXPECT_EQ("C:\\My Labels\\home.tgm", SetupPathFromCommandLine("\"C:\\My Labels\\home.tgm\""));
    EXPECT_EQ("C:\\My Labels\\home.tgm", SetupPathFromCommandLine("  \"C:\\My Labels\\home.tgm\"\t "));
    EXPECT_EQ("home.tgm", SetupPathFromCommandLine(" home.tgm "));
}

TEST(SetupPathFromCommandLineTest, OnlyOneSurroundingPairIsRemoved) {
    EXPECT_EQ("\"", SetupPathFromCommandLine("\""));
    EXPECT_EQ("", SetupPathFromCommandLine("\"\""));
    EXPECT_EQ("\"a.tgm", SetupPathFromCommandLine("\"a.tgm"));
    EXPECT_EQ("a.tgm\"", SetupPathFromCommandLine("a.tgm\""));
    EXPECT_EQ("C:\\a \"b\".tgm", SetupPathFromCommandLine("C:\\a \"b\".tgm"));
    EXPECT_EQ("\"a.tgm\"", SetupPathFromCommandLine("\"\"a.tgm\"\""));
}

}  // namespace
}  // namespace tagmora
