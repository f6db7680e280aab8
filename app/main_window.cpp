#include "app/main_window.h"

#include <shellapi.h>

#include <cstdio>

#include "addresses/address_file.h"
#include "addresses/address_import_dialog.h"
#include "app/about_window.h"
#include "app/gdiplus_paint.h"
#include "app/main_layout.h"
#include "dialogs/common_choosers.h"
#include "dialogs/setup_dialog.h"
#include "model/program_version.h"
#include "model/quit_request.h"
#include "model/user_message.h"
#include "res/resource_ids.h"
#include "site_config.h"

namespace tagmora {
namespace {

constexpr UINT kTimerPeriodMs = 100;

struct ButtonPictures {
    int controlId;
    const char* up;
    const char* down;
};

constexpr const char* kAddressFileFilter =
    "Address lists (*.csv;*.tsv;*.tab;*.txt;*.vcf)|*.csv;*.tsv;*.tab;*.txt;*.vcf|All files (*.*)|*.*||";

constexpr std::array<ButtonPictures, 7> kButtonPictures{{
    {IDC_TITLE_PICTURE, "button_title.jpg", "button_title.jpg"},
    {IDC_ABOUT, "button_about_U.jpg", "button_about_D.jpg"},
    {IDC_SETUP, "button_setup_U.jpg", "button_setup_D.jpg"},
    {IDC_PRINT, "button_print_U.jpg", "button_print_D.jpg"},
    {IDC_HELP_PANEL, "button_instructions.jpg", "button_instructions.jpg"},
    {IDC_ADDRESSES, "button_addresses_U.jpg", "button_addresses_D.jpg"},
    {IDC_EXIT, "button_exit_U.jpg", "button_exit_D.jpg"},
}};

void RedrawAtOnce(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

MainWindow::MainWindow(const std::string& pictureFolder)
    : Dialog(IDD_MAIN_WINDOW, nullptr),
      pictureFolder_(pictureFolder),
      buttons_{{ImageButton(pictureFolder), ImageButton(pictureFolder), ImageButton(pictureFolder),
                ImageButton(pictureFolder), ImageButton(pictureFolder), ImageButton(pictureFolder),
                ImageButton(pictureFolder)}} {
    SetCurrentSheet(nullptr);
}

MainWindow::~MainWindow() {
    preview_.reset();
    SetCurrentSheet(nullptr);
}

const ImageButton* MainWindow::Button(int controlId) const {
    for (std::size_t i = 0; i < kButtonPictures.size(); ++i) {
        if (kButtonPictures[i].controlId == controlId)
            return &buttons_[i];
    }
    return nullptr;
}

std::string MainWindow::Title() {
    char title[256];
    std::snprintf(title, sizeof title, "Tagmora v%.02f \xA9%s", kProgramVersion, TAGMORA_SITE);
    return title;
}

BOOL MainWindow::OnInitDialog() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    icon_ = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TAGMORA));
    if (icon_) {
        SendMessageA(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        // The caption's small icon from its own 16-pixel image rather than the big one shrunk.
        if (HANDLE small =
                LoadImageA(instance, MAKEINTRESOURCEA(IDI_TAGMORA), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                           GetSystemMetrics(SM_CYSMICON), LR_SHARED)) {
            SendMessageA(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
        }
    }
    SetWindowTextA(Window(), Title().c_str());

    preview_ = std::make_unique<PreviewControl>(Window(), IDC_PREVIEW);
    SetCurrentSheet(preview_.get());
    // Read now: maximizing below moves the window, and every move is recorded in the sheet.
    const SheetSettings placement = preview_->Sheet().Settings();

    // Without its preview or its timer (the quit request, the command-line file) the window is of no use:
    // the dialog run ends with -1, which the application reports.
    if (!preview_->Window() || !SetTimer(Window(), IDT_MAIN_WINDOW, kTimerPeriodMs, nullptr)) {
        EndDialog(-1);
        return TRUE;
    }
    AttachButtons();
    // A file dropped from Explorer is an address list to look at, as if it had been chosen.
    DragAcceptFiles(Window(), TRUE);
    RedrawAtOnce(Window());
    RunMainLayout();
    RestorePlacement(placement);
    return TRUE;
}

void MainWindow::AttachButtons() {
    for (std::size_t i = 0; i < kButtonPictures.size(); ++i) {
        buttons_[i].Attach(Window(), kButtonPictures[i].controlId, kButtonPictures[i].up,
                           kButtonPictures[i].down);
    }
}

void MainWindow::RestorePlacement(const SheetSettings& placement) {
    if (placement.DLGM) {
        ShowWindow(Window(), SW_MAXIMIZE);
        keepStartMaximised_ = true;
    }
    // A negative corner is "not known", or a window last seen minimized or off the left of the screen:
    // the window then stays where the template centres it.
    if (placement.DLGX >= 0 && placement.DLGY >= 0) {
        SetWindowPos(Window(), HWND_TOP, placement.DLGX, placement.DLGY, 0, 0, SWP_NOSIZE);
    }
}

void MainWindow::RunMainLayout() {
    if (!Window())
        return;
    RECT client{};
    GetClientRect(Window(), &client);
    PreviewControl* const sheet = preview_.get();
    if (sheet && sheet->Window()) {
        const SheetSettings& settings = sheet->Sheet().Settings();
        const ControlPlacement place = ComputePreviewPlacement(
            client.right - client.left, client.bottom - client.top, settings.WMM, settings.HMM);
        SetWindowPos(sheet->Window(), HWND_TOP, place.x, place.y, place.width, place.height, SWP_NOCOPYBITS);
    }
    for (const ImageButton& button : buttons_) {
        ControlPlacement place;
        if (!button.Attached() || !PictureButtonPlacement(button.ControlId(), client.left, client.top,
                                                          client.right, client.bottom, place)) {
            continue;
        }
        SetWindowPos(Item(button.ControlId()), HWND_TOP, place.x, place.y, place.width, place.height, 0);
    }
    if (sheet)
        sheet->Redraw();
}

bool MainWindow::OnCommand(int controlId, int notification, HWND control) {
    if (!control || notification != BN_CLICKED)
        return false;
    switch (controlId) {
        case IDC_ABOUT: {
            AboutWindow about(Window(), pictureFolder_);
            about.RunModal();
            return true;
        }
        case IDC_SETUP:
            RunSetup();
            return true;
        case IDC_PRINT:
            if (preview_)
                preview_->PrintJob();
            return true;
        case IDC_EXIT:
            OnCancel();
            return true;
        case IDC_HELP_PANEL:
            OpenUserGuide();
            return true;
        case IDC_ADDRESSES:
            ChooseAddressFile();
            return true;
        default:
            return false;
    }
}

void MainWindow::RunSetup() {
    if (!preview_)
        return;
    SetupDialog setup(preview_->Sheet().MutableSettings(), Window());
    // The paper size may have changed, and with it the preview's proportions.
    if (setup.RunModal() == IDOK)
        RunMainLayout();
    preview_->Redraw();
}

void MainWindow::ChooseAddressFile() {
    if (const std::optional<std::string> path =
            ChooseFile(Window(), FileChooserKind::Open, kAddressFileFilter, "csv"))
        ImportAddresses(*path, true);
}

void MainWindow::ImportAddresses(const std::string& path, bool withPreview) {
    if (!preview_)
        return;
    const AddressFile file = ReadAddressFile(path);
    if (!file.refusal.empty()) {
        ShowUserMessage(file.refusal, Window());
        return;
    }
    if (withPreview) {
        AddressImportDialog dialog(file, path, preview_->Sheet(), Window());
        dialog.RunModal();
    } else {
        FillLabelsFromFile(preview_->Sheet(), file);
    }
    preview_->Redraw();
}

void MainWindow::OnDropFiles(HDROP drop) {
    char path[MAX_PATH * 4] = {};
    const UINT length = DragQueryFileA(drop, 0, path, sizeof path);
    DragFinish(drop);
    if (length > 0 && length < sizeof path)
        ImportAddresses(path, true);
}

void MainWindow::OpenUserGuide() {
    ShellExecuteA(Window(), "open", TAGMORA_GUIDE_URL, "", "", SW_SHOWMAXIMIZED);
}

bool MainWindow::OnTimer(UINT_PTR) {
    if (QuitRequested())
        OnCancel();
    if (preview_ && !pendingSetupPath_.empty()) {
        // Taken before the load: a read failure shows a message box, whose own message loop lets this
        // timer tick again, and the same file must not be loaded (and reported) once per tick.
        const std::string path = std::move(pendingSetupPath_);
        pendingSetupPath_.clear();
        preview_->LoadFromPath(path);
        RunMainLayout();
    }
    if (preview_ && pendingSetupPath_.empty() && !pendingAddressPath_.empty()) {
        const std::string path = std::move(pendingAddressPath_);
        pendingAddressPath_.clear();
        ImportAddresses(path, false);
    }
    return false;
}

bool MainWindow::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(Window(), &paint);
    RECT client{};
    GetClientRect(Window(), &client);
    if (IsIconic(Window())) {
        SendMessageA(Window(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
        if (icon_)
            DrawIcon(dc, x, y, icon_);
    } else {
        PaintOpaqueWhite(dc, client);
    }
    EndPaint(Window(), &paint);
    return true;
}

void MainWindow::OnSize(UINT kind, int, int) {
    // Wine's modal dialog loop shows the dialog "normal" the first time its queue goes empty, which
    // would undo the maximised start. A restore the user asks for comes as a system command first.
    if (keepStartMaximised_ && kind == SIZE_RESTORED) {
        keepStartMaximised_ = false;
        PostMessageA(Window(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    }
    RunMainLayout();
}

void MainWindow::OnMove(int, int) {
    if (!preview_)
        return;
    RECT frame{};
    GetWindowRect(Window(), &frame);
    SheetSettings& settings = preview_->Sheet().MutableSettings();
    settings.DLGX = frame.left;
    settings.DLGY = frame.top;
    settings.DLGM = IsZoomed(Window()) != FALSE;
}

INT_PTR MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    switch (message) {
        case WM_QUERYDRAGICON:
            handled = true;
            return reinterpret_cast<INT_PTR>(icon_);
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            handled = true;
            return TRUE;
        case WM_HELP:
            OpenUserGuide();
            handled = true;
            return TRUE;
        case WM_SYSCOMMAND:
            // From now on every change of size is the user's.
            keepStartMaximised_ = false;
            return FALSE;
        case WM_CTLCOLORDLG:
            // The background erase in white too, so that nothing grey shows before the paint.
            handled = true;
            return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
        default:
            return FALSE;
    }
}

}  // namespace tagmora
