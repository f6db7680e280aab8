#pragma once
// The Main Window (dialog 102): the preview of the sheet and the column of seven buttons beside it. It runs
// modally for the whole life of the program; Exit, Escape, the close box and the quit request close it,
// Enter never does.

// The shell's header needs the base declarations first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <array>
#include <memory>
#include <string>

#include "app/image_button.h"
#include "app/preview_control.h"
#include "win/dialog.h"

namespace tagmora {

class MainWindow : public Dialog {
  public:
    // The buttons' pictures come from the given folder (with a trailing backslash).
    explicit MainWindow(const std::string& pictureFolder = DefaultPictureFolder());
    // Deletes the Preview Control first (which saves "wm.dat"), then the buttons.
    ~MainWindow() override;

    // A setup file to load at the next timer tick.
    void SetPendingSetupPath(std::string path) { pendingSetupPath_ = std::move(path); }
    const std::string& PendingSetupPath() const { return pendingSetupPath_; }
    // An address list to fill the labels from, after the setup file, at the next timer tick.
    void SetPendingAddressPath(std::string path) { pendingAddressPath_ = std::move(path); }

    PreviewControl* Preview() const { return preview_.get(); }
    // The picture button on that control, or null.
    const ImageButton* Button(int controlId) const;

    // The window's title: the version and the maker's web address.
    static std::string Title();
    // Keeps the preview in the paper's proportions and puts every attached button in its place.
    void RunMainLayout();

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int controlId, int notification, HWND control) override;
    // Enter does nothing at all.
    void OnOK() override {}
    bool OnTimer(UINT_PTR timerId) override;
    bool OnPaint() override;
    void OnSize(UINT kind, int width, int height) override;
    void OnMove(int x, int y) override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    void AttachButtons();
    void RestorePlacement(const SheetSettings& placement);
    void OpenUserGuide();
    void RunSetup();
    void ChooseAddressFile();
    // Reads the list and, with the preview, lets the user look before the labels are filled; without it
    // fills them at once. A refused file is reported and changes nothing.
    void ImportAddresses(const std::string& path, bool withPreview);
    void OnDropFiles(HDROP drop);

    HICON icon_ = nullptr;
    // Set while a maximised start may still be undone by the dialog loop's first "show normal".
    bool keepStartMaximised_ = false;
    std::string pictureFolder_;
    std::string pendingSetupPath_;
    std::string pendingAddressPath_;
    // In the order they are attached: title picture, About, Setup, Print, help panel, Addresses, Exit.
    std::array<ImageButton, 7> buttons_;
    std::unique_ptr<PreviewControl> preview_;
};

}  // namespace tagmora
