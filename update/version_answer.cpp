#include "update/version_answer.h"

#include <cfloat>
#include <cstdio>

#include "model/program_version.h"
#include "model/text_value_codec.h"

namespace tagmora {
namespace {

// Halfway between this release and the next: the maker's version file carries two decimals, so 3.33 is
// the first number above it. Held in single precision, as the program version is.
constexpr double kNewerVersionThreshold = static_cast<float>(3.325);
static_assert(kProgramVersion < kNewerVersionThreshold && kNewerVersionThreshold < kProgramVersion + 0.01,
              "the threshold lies between this release and the next: move it with the program version");

constexpr const char* kUnreachable = "Unable to contact server!\r\rCheck this screen later...";
constexpr const char* kUnreadable =
    "Unable to read latest version from server!\r\rCheck this screen later...";
constexpr const char* kNewerFormat =
    "There's a newer version available: V%.02f\r\r"
    "Pressing the 'Go get' button below\r"
    "will cause the application to shut down\r"
    "before directing you to the download page.";
constexpr const char* kUpToDateFormat =
    "You already have the latest version: V%.02f\r\rCheck this screen later...";

std::string Format(const char* format, double number) {
    char text[512];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

}  // namespace

VersionVerdict JudgeVersionAnswer(FetchOutcome outcome, std::string_view fetched) {
    if (outcome == FetchOutcome::Failed)
        return {false, kUnreachable};
    // A body past the fetcher's limit is no version file, whatever it holds.
    const std::string element =
        outcome == FetchOutcome::Complete ? text_value_codec::ExtractSection(fetched, "<VER>", "</VER>") : "";
    if (element.empty())
        return {false, kUnreadable};
    const double latest = text_value_codec::TextToReal(element);
    if (!(latest > kNewerVersionThreshold))
        return {false, Format(kUpToDateFormat, kProgramVersion)};
    // Shown rounded to single precision; a number beyond that range is no version at all.
    if (latest > FLT_MAX)
        return {false, kUnreadable};
    return {true, Format(kNewerFormat, static_cast<float>(latest))};
}

}  // namespace tagmora
