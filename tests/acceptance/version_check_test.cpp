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

TEST_F(AcceptanceTest, GoGetNewerVersionOpensTheDownloadPageAndTheProgramClosesWithItsStateSaved) {
    testing::LocalHttpServer server({"<VER>3.33</VER>"});
    SetEnvironmentVariableA("TAGMORA_VERSION_URL", server.Url().c_str());  // the program inherits it
    auto session = Start(true);
    SetEnvironmentVariableA("TAGMORA_VERSION_URL", nullptr);
    ASSERT_TRUE(session->Started());
    Click(ControlCentre(session->MainWindow(), IDC_SETUP));
    const HWND setup = WaitForWindow(*session, "Label Sheet Setup", 5s);
    if (!setup)
        GTEST_SKIP()
            << "Setup opens no \"Label Sheet Setup\" yet, and only that dialog opens the Version Check";

    Click(ControlCentre(setup, IDC_SETUP_CHECK_VERSION));
    const HWND check = WaitForWindow(*session, "Checking for newer application version...", 5s);
    ASSERT_NE(nullptr, check);
    const HWND message = GetDlgItem(check, IDC_VERSION_MESSAGE);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(message).find("V3.33") != std::string::npos; }, 10s));

    char log[MAX_PATH] = {};  // the bench's browser capture
    GetEnvironmentVariableA("TAGMORA_BROWSER_LOG", log, sizeof log);
    const auto logText = [&] { return TestFolder::IsFile(log) ? TestFolder::ReadBytes(log) : std::string(); };
    const std::size_t logged = logText().size();
    Click(ControlCentre(check, IDC_GO_GET_NEWER_VERSION));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(setup); }, 5s)) << "the Setup Dialog stayed open";
    ASSERT_TRUE(session->WaitForExit(10s)) << "the program did not close after the quit request";
    EXPECT_EQ(0u, session->ExitCode());
    EXPECT_EQ(0u, TestFolder::ReadBytes(StateFile()).find(kSetupFileHeader));
    EXPECT_TRUE(
        !log[0] ||
        WaitUntil([&] { return logText().find(TAGMORA_DOWNLOAD_URL, logged) != std::string::npos; }, 10s))
        << "the download page did not reach " << log;
}

}  // namespace
}  // namespace tagmora::acceptance
