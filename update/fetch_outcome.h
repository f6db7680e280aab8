#pragma once
// How a download ended, as the HTTP Fetcher reports it and the Version Check reads it.

namespace tagmora {

enum class FetchOutcome {
    Complete,  // the body was read to its end (whatever the HTTP status)
    Failed,    // no connection, no answer in time, a broken transfer, or no WinINet at all
    TooLarge,  // the body ran past the fetcher's limit and was dropped unread
};

}  // namespace tagmora
