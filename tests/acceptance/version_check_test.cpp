// The hand-over to a newer version through the real program: Setup, "Check for new version...", the answer
// of a server of the test's own, "Go get newer version...", and the program closing with its state saved.
// clang-format off
#include "tests/platform/local_http_server.h"
// clang-format on

#include <gtest/gtest.h>

#include "acceptance_fixture.h"
#include "model/setup_file.h"
#include "real_input.h"
#include "res/resource_ids.h"
#include "site_config.h"

namespace tagmora::acceptance {
namespace {

using namespace std::chrono_literals;
using testing::TestFolder;

// The bench's browser capture: its path, and what it holds so far.
std::string BrowserLogPath() {
    char log[MAX_PATH] = {};
    GetEnvironmentVariableA("TAGMORA_BROWSER_LOG", log, sizeof log);
    return log;
}
std::string BrowserLogText() {
    const std::string log = BrowserLogPath();
    return !log.empty() && TestFolder::IsFile(log) ? TestFolder::ReadBytes(log) : std::string();
}

struct OpenedCheck {
    HWND setup = nullptr, check = nullptr;
};

// Setup, then "Check for new version...", until the check's message holds `answer`.
OpenedCheck OpenVersionCheck(const ProgramSession& session, const std::string& answer) {
    Click(ControlCentre(session.MainWindow(), IDC_SETUP));
    OpenedCheck opened;
    opened.setup = WaitForWindow(session, "Label Sheet Setup", 5s);
    if (!opened.setup)
        return opened;
    Click(ControlCentre(opened.setup, IDC_SETUP_CHECK_VERSION));
    const HWND check = WaitForWindow(session, "Checking for newer application version...", 5s);
    const HWND message = GetDlgItem(check, IDC_VERSION_MESSAGE);
    if (check && WaitUntil([&] { return WindowText(message).find(answer) != std::string::npos; }, 10s))
        opened.check = check;
    return opened;
}

TEST_F(AcceptanceTest, EnterAfterUnableToContactServerClosesOnlyTheVersionCheck) {
    SetEnvironmentVariableA("TAGMORA_VERSION_URL", testing::LocalHttpServer::ClosedPortUrl().c_str());
    auto session = Start(true);
    SetEnvironmentVariableA("TAGMORA_VERSION_URL", nullptr);
    ASSERT_TRUE(session->Started());
    const std::size_t logged = BrowserLogText().size();
    const OpenedCheck opened = OpenVersionCheck(*session, "Unable to contact server!");
    ASSERT_NE(nullptr, opened.check);
    ASSERT_TRUE(Activate(opened.check));
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(opened.check); }, 5s))
        << "Enter left the Version Check open";
    Sleep(2000);  // where the download page opened and the program ended before
    EXPECT_TRUE(session->Running());
    EXPECT_TRUE(IsWindow(opened.setup));
    EXPECT_EQ(logged, BrowserLogText().size()) << "Enter opened the download page";
}

TEST_F(AcceptanceTest, GoGetNewerVersionOpensTheDownloadPageAndTheProgramClosesWithItsStateSaved) {
    testing::LocalHttpServer server({"<VER>3.33</VER>"});
    SetEnvironmentVariableA("TAGMORA_VERSION_URL", server.Url().c_str());  // the program inherits it
    auto session = Start(true);
    SetEnvironmentVariableA("TAGMORA_VERSION_URL", nullptr);
    ASSERT_TRUE(session->Started());
    const OpenedCheck opened = OpenVersionCheck(*session, "V3.33");
    const HWND setup = opened.setup, check = opened.check;
    ASSERT_NE(nullptr, check);

    const std::size_t logged = BrowserLogText().size();
    Click(ControlCentre(check, IDC_GO_GET_NEWER_VERSION));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(setup); }, 5s)) << "the Setup Dialog stayed open";
    ASSERT_TRUE(session->WaitForExit(10s)) << "the program did not close after the quit request";
    EXPECT_EQ(0u, session->ExitCode());
    EXPECT_EQ(0u, TestFolder::ReadBytes(StateFile()).find(kSetupFileHeader));
    EXPECT_TRUE(
        BrowserLogPath().empty() ||
        WaitUntil([&] { return BrowserLogText().find(TAGMORA_DOWNLOAD_URL, logged) != std::string::npos; },
                  10s))
        << "the download page did not reach the browser";
}

}  // namespace
}  // namespace tagmora::acceptance
