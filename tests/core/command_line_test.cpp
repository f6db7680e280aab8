#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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

TEST(ParseCommandLineTest, TheSwitchAsksForAPrintOfThePathThatFollows) {
    const auto print = [](const std::string& path) { return CommandLine{true, path}; };
    const auto open = [](const std::string& path) { return CommandLine{false, path}; };
    const std::pair<const char*, CommandLine> cases[] = {
        {"/p \"C:\\My Labels\\home.tgm\"", print("C:\\My Labels\\home.tgm")},
        {"  /P\tC:\\labels\\home.tgm ", print("C:\\labels\\home.tgm")},
        {"/p\"C:\\a b.tgm\"", print("C:\\a b.tgm")},
        {"/p", print("")},
        {"/p   ", print("")},
        // Not the switch: a path, as before.
        {"C:\\labels\\home.tgm", open("C:\\labels\\home.tgm")},
        {"\"/p C:\\home.tgm\"", open("/p C:\\home.tgm")},
        {"/print.tgm", open("/print.tgm")},
        {"/q home.tgm", open("/q home.tgm")},
        {"", open("")},
    };
    for (const auto& [line, expected] : cases) {
        const CommandLine parsed = ParseCommandLine(line);
        EXPECT_EQ(expected.print, parsed.print) << line;
        EXPECT_EQ(expected.setupPath, parsed.setupPath) << line;
    }
}

TEST(ParseCommandLineTest, AnAddressListComesAfterTheSetupFile) {
    const std::pair<const char*, std::pair<const char*, const char*>> cases[] = {
        {"C:\\My Lists\\all.CSV", {"", "C:\\My Lists\\all.CSV"}},
        {"\"C:\\My Lists\\all.vcf\" ", {"", "C:\\My Lists\\all.vcf"}},
        {"\"C:\\My Labels\\a.tgm\" \"C:\\My Lists\\b.tsv\"", {"C:\\My Labels\\a.tgm", "C:\\My Lists\\b.tsv"}},
        {"\"C:\\My Labels\\a.tgm\" C:\\b.tab", {"C:\\My Labels\\a.tgm", "C:\\b.tab"}},
        {"C:\\a.tgm \"C:\\My Lists\\b.csv\"", {"C:\\a.tgm", "C:\\My Lists\\b.csv"}},
        {"C:\\list.csv.tgm", {"C:\\list.csv.tgm", ""}},
    };
    for (const auto& [line, expected] : cases) {
        const CommandLine parsed = ParseCommandLine(line);
        EXPECT_FALSE(parsed.print) << line;
        EXPECT_EQ(expected.first, parsed.setupPath) << line;
        EXPECT_EQ(expected.second, parsed.addressPath) << line;
    }
}

}  // namespace
}  // namespace tagmora
