#pragma once
// What every acceptance test shares: a fresh folder with the real program installed in it, where the labels
// are on the screen, the test printer's jobs, and the files the program leaves behind.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "model/label_sheet.h"
#include "program_session.h"
#include "render/sheet_layout.h"
#include "tests/core/test_folder.h"

namespace tagmora::acceptance {

// Pictures (and files) a person can look at, beside the build's programs.
std::string ScreenshotPath(const std::string& name);

bool HasDisplay();
bool HasPictures();

// Files (not folders) in a folder matching the pattern; 0 when it does not exist.
int FilesIn(const std::string& folder, const char* pattern = "*");
// Names of the files in a folder matching the pattern, sorted.
std::vector<std::string> FileNamesIn(const std::string& folder, const char* pattern = "*");

// A point inside a button of the window's caption (HTMAXBUTTON, HTCLOSE), found where the window itself
// says it is; (-1, -1) when there is none.
POINT CaptionButton(HWND window, LRESULT part);
POINT CentreOf(const RECT& r);
// The centre of a dialog control on the screen.
POINT ControlCentre(HWND dialog, int controlId);

// A window's text, asked of the window itself, so that it also reads edit boxes and statics of the
// program's process.
std::string WindowText(HWND window);

// The program's visible top-level window with exactly this title, once it is up; null after the timeout.
HWND WaitForWindow(const ProgramSession& session, const std::string& title,
                   std::chrono::milliseconds timeout);
// The texts of a message box's static controls (its icon has none), joined; what a person reads in it.
std::string MessageBoxText(HWND box);

// The Address Editor as a person reaches it: a right click on the label, then its window.
constexpr const char* kAddressEditorTitle = "Edit Labels Destination Address";
HWND OpenAddressEditor(const ProgramSession& session, POINT label);
// Clicks into the editor's box, selects everything in it with the keyboard and types the text over it.
void ReplaceAddress(HWND editor, const std::string& text);
// Clicks one of the editor's buttons; true when the editor then closed.
bool PressEditorButton(HWND editor, int controlId);

// Where the labels are on the screen: the program's own layout of the sheet over the preview's client area.
struct ScreenLabels {
    RECT preview{};
    SheetLayout layout;

    ScreenLabels(HWND mainWindow, const SheetSettings& settings);
    POINT Centre(int slot) const;
    // Halfway down the label's left edge, between its border and its text: only the fill shows there.
    POINT FillPoint(int slot) const;
};

LabelSheet SheetIn(const std::string& stateFile);

// A ".bmp" file of side x side pixels, 24 bits a pixel: squares of `square` pixels, red (0x0000C8) and blue
// (0x00C80000) in turn.
std::string SquaresBitmap(int side, int square);

// The folder the test printer keeps its jobs in (TAGMORA_PRINTER_JOBS), or empty without a test printer.
std::string PrinterJobsFolder();
// The jobs' PostScript files (job-000001.ps, ...), oldest first; each has its page as a PNG beside it.
std::vector<std::string> PrinterJobs(const std::string& jobsFolder);

class AcceptanceTest : public ::testing::Test {
  protected:
    void SetUp() override;
    // Installs the program and starts it; fails the test when no Main Window appears.
    std::unique_ptr<ProgramSession> Start(bool withPictures, const std::string& commandLine = "");
    // Escape, as a person closes it; the program ends and has saved wm.dat.
    void CloseWithEscape(ProgramSession& session);
    std::string StateFile() const { return folder.File("wm.dat"); }

    testing::TestFolder folder;

  private:
    bool installed_ = false;
};

}  // namespace tagmora::acceptance
