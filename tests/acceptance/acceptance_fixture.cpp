#include "acceptance_fixture.h"

#include <algorithm>
#include <chrono>
#include <cstdint>

#include "model/setup_file.h"
#include "model/working_folder.h"
#include "real_input.h"
#include "render/label_geometry.h"
#include "res/resource_ids.h"

namespace tagmora::acceptance {

using namespace std::chrono_literals;
using testing::TestFolder;

std::string ScreenshotPath(const std::string& name) {
    const std::string folder = BuildBinFolder() + "..\\acceptance-screenshots\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + name;
}

bool HasDisplay() {
    char display[256] = {};
    return GetEnvironmentVariableA("DISPLAY", display, sizeof display) > 0;
}

bool HasPictures() {
    return GetFileAttributesA((BuildBinFolder() + "GFX\\button_title.jpg").c_str()) !=
           INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> FileNamesIn(const std::string& folder, const char* pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

int FilesIn(const std::string& folder, const char* pattern) {
    return static_cast<int>(FileNamesIn(folder, pattern).size());
}

POINT CaptionButton(HWND window, LRESULT part) {
    RECT frame{};
    GetWindowRect(window, &frame);
    for (int x = frame.right - 2; x > frame.left; --x) {
        for (int y = frame.top + 2; y < frame.top + 30; ++y) {
            if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == part)
                return {x - 4, y + 4};
        }
    }
    return {-1, -1};
}

POINT CentreOf(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT ControlCentre(HWND dialog, int controlId) {
    return CentreOf(ClientRectOnScreen(GetDlgItem(dialog, controlId)));
}

std::string WindowText(HWND window) {
    // GetWindowText reads only the caption of another process's window; WM_GETTEXT reaches the control.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
        return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 2000, &copied)) {
        return std::string();
    }
    text.resize(std::min<std::size_t>(static_cast<std::size_t>(copied), text.size()));
    return text;
}

HWND WaitForWindow(const ProgramSession& session, const std::string& title,
                   std::chrono::milliseconds timeout) {
    HWND window = nullptr;
    WaitUntil([&] { return (window = session.FindWindowTitled(title)) != nullptr; }, timeout);
    return window;
}

namespace {

struct StaticTexts {
    std::string joined;
};

BOOL CALLBACK CollectStaticText(HWND child, LPARAM parameter) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        auto* texts = reinterpret_cast<StaticTexts*>(parameter);
        texts->joined += WindowText(child);
    }
    return TRUE;
}

}  // namespace

std::string MessageBoxText(HWND box) {
    StaticTexts texts;
    EnumChildWindows(box, &CollectStaticText, reinterpret_cast<LPARAM>(&texts));
    return texts.joined;
}

HWND OpenAddressEditor(const ProgramSession& session, POINT label) {
    RightClick(label);
    return WaitForWindow(session, kAddressEditorTitle, 5s);
}

void ReplaceAddress(HWND editor, const std::string& text) {
    Click(ControlCentre(editor, IDC_DESTINATION_ADDRESS));
    PressKeys({VK_CONTROL, VK_HOME});
    PressKeys({VK_CONTROL, VK_SHIFT, VK_END});
    TypeText(text);
}

bool PressEditorButton(HWND editor, int controlId) {
    Click(ControlCentre(editor, controlId));
    return WaitUntil([editor] { return !IsWindow(editor); }, 5s);
}

ScreenLabels::ScreenLabels(HWND mainWindow, const SheetSettings& settings) {
    preview = ClientRectOnScreen(GetDlgItem(mainWindow, IDC_PREVIEW));
    layout = LayOutSheet(settings, {0, 0, preview.right - preview.left, preview.bottom - preview.top});
}

POINT ScreenLabels::Centre(int slot) const {
    const DeviceRect& r = layout.slots[static_cast<std::size_t>(slot)].label;
    return {preview.left + (r.left + r.right) / 2, preview.top + (r.top + r.bottom) / 2};
}

POINT ScreenLabels::FillPoint(int slot) const {
    const DeviceRect& r = layout.slots[static_cast<std::size_t>(slot)].label;
    const LabelMeasures m = MeasureLabel(r);
    return {preview.left + r.left + m.borderWidth + (m.inset - m.borderWidth) / 2,
            preview.top + (r.top + r.bottom) / 2};
}

LabelSheet SheetIn(const std::string& stateFile) {
    LabelSheet sheet;
    ReadSetupFile(TestFolder::ReadBytes(stateFile), sheet);
    return sheet;
}

std::string SquaresBitmap(int side, int square) {
    const std::uint32_t stride = (3u * static_cast<std::uint32_t>(side) + 3) / 4 * 4;
    // File and information headers: 24 bits a pixel (blue, green, red), one plane, no compression.
    const std::uint32_t headers[13] = {
        54 + stride * side, 0, 54, 40, std::uint32_t(side), std::uint32_t(side), 24u << 16 | 1};
    std::string bmp = "BM" + std::string(reinterpret_cast<const char*>(headers), sizeof headers);
    for (int y = 0; y < side; ++y) {
        std::string row(stride, '\0');
        for (int x = 0; x < side; ++x)
            row[static_cast<std::size_t>(3 * x + ((x / square + y / square) % 2 ? 0 : 2))] = '\xC8';
        bmp += row;
    }
    return bmp;
}

std::string PrinterJobsFolder() {
    char jobs[MAX_PATH] = {};
    return GetEnvironmentVariableA("TAGMORA_PRINTER_JOBS", jobs, sizeof jobs) > 0 ? jobs : "";
}

std::vector<std::string> PrinterJobs(const std::string& jobsFolder) {
    std::vector<std::string> jobs;
    for (const std::string& name : FileNamesIn(jobsFolder)) {
        const bool numberedJob =
            name.rfind("job-", 0) == 0 && name.size() > 3 && name.compare(name.size() - 3, 3, ".ps") == 0;
        if (numberedJob)
            jobs.push_back(name);
    }
    return jobs;
}

void AcceptanceTest::SetUp() {
    if (!HasDisplay())
        GTEST_SKIP() << "no DISPLAY: the program's windows cannot be seen or clicked";
    // The program's folder: logo paths in the setup files written and read here mean what they mean to it.
    SetWorkingFolder(folder.Path());
}

std::unique_ptr<ProgramSession> AcceptanceTest::Start(bool withPictures, const std::string& commandLine) {
    if (!installed_) {
        EXPECT_TRUE(InstallProgram(folder.Path(), withPictures));
        installed_ = true;
    }
    auto session = std::make_unique<ProgramSession>(folder.Path(), commandLine);
    EXPECT_TRUE(session->Started()) << session->StartFailure();
    // The first timer tick, the paint, and the command-line file have happened after this, and the program
    // answers its messages again.
    Sleep(700);
    DWORD_PTR answer = 0;
    if (session->Started())
        SendMessageTimeoutA(session->MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer);
    return session;
}

void AcceptanceTest::CloseWithEscape(ProgramSession& session) {
    ASSERT_TRUE(Activate(session.MainWindow()));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(session.WaitForExit(10s)) << "Escape did not close the program";
    EXPECT_EQ(0u, session.ExitCode());
}

}  // namespace tagmora::acceptance
