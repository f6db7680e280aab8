#pragma once
// What the Version Check tells the user about the maker's answer: the version element cut out of the
// fetched text, compared with this release, and the one message text that says so.

#include <string>
#include <string_view>

#include "update/fetch_outcome.h"

namespace tagmora {

struct VersionVerdict {
    bool newer;           // a newer release exists: offer "Go get newer version..."
    std::string message;  // for the dialog's static text, with single CR line breaks
};

VersionVerdict JudgeVersionAnswer(FetchOutcome outcome, std::string_view fetched);

}  // namespace tagmora
