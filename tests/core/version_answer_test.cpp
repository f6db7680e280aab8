// What the server tests do not reach: the threshold's single precision and numbers no version can be.
#include "update/version_answer.h"

#include <gtest/gtest.h>

namespace tagmora {
namespace {

VersionVerdict Judge(const std::string& element, FetchOutcome outcome = FetchOutcome::Complete) {
    return JudgeVersionAnswer(outcome, "<VER>" + element + "</VER>");
}

TEST(JudgeVersionAnswer, ComparesInSinglePrecisionAndRejectsWhatNoVersionCanBe) {
    EXPECT_FALSE(Judge("3.32500004").newer);  // the threshold is 3.325000047683716
    EXPECT_EQ(0u, Judge("3.32500005").message.find("There's a newer version available: V3.33\r\r"));
    EXPECT_EQ(Judge("3.10").message, Judge("infinity").message);  // not a number: up to date
    EXPECT_EQ(Judge("").message, Judge("1e39").message);          // beyond single precision: unreadable
    EXPECT_EQ(Judge("").message, Judge("3.33", FetchOutcome::TooLarge).message);
    EXPECT_FALSE(Judge("1e39").newer);
}

}  // namespace
}  // namespace tagmora
