// The Version Check and its HTTP Fetcher against a server of the test's own on 127.0.0.1: the message and
// the button for each kind of answer, the progress texts, and the hand-over to the download page.
#include "update/version_check.h"

#include <gtest/gtest.h>

#include "local_http_server.h"
#include "model/quit_request.h"
#include "res/resource_ids.h"
#include "site_config.h"
#include "tests/acceptance/screen_capture.h"
#include "tests/core/test_folder.h"
#include "update/http_fetcher.h"
#include "window_test_support.h"

namespace tagmora {
namespace {

using namespace std::chrono_literals;
using testing::LocalHttpServer;

// The "Read ..." texts a status window was given, in order, and the last text of all.
struct StatusRecorder {
    static LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<StatusRecorder*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message == WM_SETTEXT && self) {
            self->last = reinterpret_cast<const char*>(lParam);
            if (self->last.rfind("Read ", 0) == 0)
                self->reads.push_back(self->last);
        }
        return CallWindowProcA(self ? self->original : DefWindowProcA, window, message, wParam, lParam);
    }
    StatusRecorder() { SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this)); }
    ~StatusRecorder() { DestroyWindow(window); }

    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    WNDPROC original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StatusRecorder::Record)));
    std::vector<std::string> reads;
    std::string last = "untouched";
};

TEST(HttpFetcherTest, CountsTheBytesReadStopsAtItsLimitAndKeepsItsContext) {
    SKIP_WITHOUT_WINDOWS();
    const std::string body(10000, 'a');
    LocalHttpServer server({body});
    StatusRecorder first;
    HttpFetcher fetcher;
    std::string result;
    ASSERT_EQ(FetchOutcome::Complete, fetcher.Fetch(server.Url(), result, "test", first.window));
    EXPECT_EQ(body, result);
    EXPECT_EQ((std::vector<std::string>{"Read 4095 bytes", "Read 8190 bytes", "Read 10000 bytes"}),
              first.reads);
    EXPECT_EQ("", first.last);

    // 50 MB: the reading stops at the limit, so no more than 64 KiB is ever held.
    LocalHttpServer huge({std::string(64 * 1024, 'x'), 200, 800});
    FetchContext* const context = fetcher.Context();
    StatusRecorder second;
    EXPECT_EQ(FetchOutcome::TooLarge, fetcher.Fetch(huge.Url(), result, nullptr, second.window));
    EXPECT_EQ("", result);
    EXPECT_EQ("Read 65520 bytes", second.reads.back());
    EXPECT_EQ(context, fetcher.Context());
    EXPECT_EQ(3u, first.reads.size());

    // Nobody listening: WinINet's error text is the last status.
    EXPECT_EQ(FetchOutcome::Failed,
              fetcher.Fetch(LocalHttpServer::ClosedPortUrl(), result, nullptr, nullptr));
    EXPECT_EQ(second.last, context->LastStatus());
    EXPECT_FALSE(second.last.empty() || second.last.rfind("Read ", 0) == 0);
}

TEST(HttpFetcherTest, WithoutWinInetTheFetchFailsQuietly) {
    struct Rootless : HttpFetcher {
        InternetHandle OpenRoot(const char*) const override { return InternetHandle(); }
    } fetcher;
    std::string result = "old";
    EXPECT_EQ(FetchOutcome::Failed, fetcher.Fetch("http://127.0.0.1/", result, nullptr, nullptr));
    EXPECT_EQ(nullptr, fetcher.Context());
    EXPECT_EQ("", result);
}

// Beside the build's bin folder: build/win32/<name>.
std::string BuildFolderFile(const std::string& name) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    const std::string path(program);
    return path.substr(0, path.find_last_of('\\')) + "\\..\\" + name;
}

struct CheckSeen {
    INT_PTR result = 0;
    std::string message;
    bool goGetShown = false;
    std::chrono::milliseconds waited{};
};

// Runs the dialog until it shows its answer (the check blocks the thread, so the first tick that sees any
// text sees the answer), saves its picture if asked, and presses the button.
CheckSeen RunVersionCheck(int button, const std::string& picture) {
    CheckSeen seen;
    const auto start = std::chrono::steady_clock::now();
    apptest::ModalScript script(
        {[&] {
            const HWND dialog = FindWindowA(nullptr, "Checking for newer application version...");
            char text[1024] = {};
            if (!GetDlgItemTextA(dialog, IDC_VERSION_MESSAGE, text, sizeof text))
                return false;
            seen.waited = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - start);
            seen.message = text;
            seen.goGetShown = IsWindowVisible(GetDlgItem(dialog, IDC_GO_GET_NEWER_VERSION));
            RECT frame{};
            GetWindowRect(dialog, &frame);
            if (!picture.empty())
                EXPECT_TRUE(acceptance::ScreenCapture(frame).SavePng(picture));
            SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
            return true;
        }},
        30s);
    seen.result = VersionCheck(nullptr).RunModal();
    EXPECT_TRUE(script.Finished());
    return seen;
}

// The first case goes on to "Go get newer version...": the download page reaches the bench's browser
// capture (when there is one) and the quit request is raised; every other case is cancelled.
TEST(VersionCheckTest, ShowsTheServersAnswerAndGoGetHandsOverToTheDownloadPage) {
    SKIP_WITHOUT_WINDOWS();
    const std::string later = "\r\rCheck this screen later...";
    const std::string unreachable = "Unable to contact server!" + later;
    const std::string unreadable = "Unable to read latest version from server!" + later;
    const std::string upToDate = "You already have the latest version: V3.32" + later;
    const std::string goGet =
        "\r\rPressing the 'Go get' button below\rwill cause the application to shut down\r"
        "before directing you to the download page.";
    const std::string newer = "There's a newer version available: V";
    const struct {
        const char* name;
        testing::HttpReply reply;
        std::string message;
    } cases[] = {
        {"newer", {"<VER>3.33</VER>"}, newer + "3.33" + goGet},
        {"this release", {"<VER>3.32</VER>"}, upToDate},
        {"the threshold", {"<VER>3.325</VER>"}, upToDate},
        {"older", {"<VER>3.10</VER>"}, upToDate},
        {"blanks around", {"v\r\n<VER> 3.4 </VER>\r\n"}, newer + "3.40" + goGet},
        {"lower-case tags", {"<ver>3.40</ver>"}, unreadable},
        {"404 page", {"<html><body>404 Not Found</body></html>", 404}, unreadable},
        {"two elements", {"<VER>3.10</VER><VER>3.50</VER>"}, upToDate},
        {"50 MB", {"<VER>3.33</VER>" + std::string(64 * 1024, ' '), 200, 800}, unreadable},
        {"one byte every 3 s", {"<VER>3.33</VER>", 200, 1, 3000}, unreachable},
        {"closed port", {}, unreachable},
    };
    char log[MAX_PATH] = {};
    GetEnvironmentVariableA("TAGMORA_BROWSER_LOG", log, sizeof log);
    const auto logText = [&] {
        return testing::TestFolder::IsFile(log) ? testing::TestFolder::ReadBytes(log) : "";
    };
    const std::size_t logged = logText().size();
    ClearQuitRequest();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LocalHttpServer server(c.reply);
        const bool first = &c == cases;
        const std::string url = c.reply.body.empty() ? LocalHttpServer::ClosedPortUrl() : server.Url();
        SetEnvironmentVariableA("TAGMORA_VERSION_URL", url.c_str());
        const CheckSeen seen = RunVersionCheck(first ? IDC_GO_GET_NEWER_VERSION : IDCANCEL,
                                               first ? BuildFolderFile("version_check_newer.png") : "");
        EXPECT_EQ(c.message, seen.message);
        EXPECT_EQ(c.message.rfind(newer, 0) == 0, seen.goGetShown);
        EXPECT_EQ(IDCANCEL, seen.result);
        EXPECT_EQ(first, QuitRequested());
        ClearQuitRequest();
        if (c.reply.bytePauseMs)
            EXPECT_LT(seen.waited, 5s) << "the time-out did not end the wait";
        std::printf("%-20s answered after %5d ms\n", c.name, static_cast<int>(seen.waited.count()));
    }
    SetEnvironmentVariableA("TAGMORA_VERSION_URL", nullptr);
    for (int tries = 0;
         log[0] && tries < 200 && logText().find(TAGMORA_DOWNLOAD_URL, logged) == std::string::npos; ++tries)
        Sleep(50);
    EXPECT_TRUE(!log[0] || logText().find(TAGMORA_DOWNLOAD_URL, logged) != std::string::npos) << log;
}

}  // namespace
}  // namespace tagmora
