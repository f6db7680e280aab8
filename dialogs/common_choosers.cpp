#include "dialogs/common_choosers.h"

#include <commdlg.h>

#include <vector>

#include "dialogs/setup_fields.h"
#include "model/user_message.h"

namespace tagmora {
namespace {

// Room for a long path; a longer one is reported as a chooser failure.
constexpr DWORD kPathBufferSize = 4096;

// A chooser returns false both when the user cancelled (no extended error) and when it failed.
void ReportChooserFailure(HWND owner, const char* what) {
    if (CommDlgExtendedError() != 0)
        ShowUserMessage(std::string("The ") + what + " could not be opened.", owner);
}

}  // namespace

std::optional<std::string> ChooseFile(HWND owner, FileChooserKind kind, const std::string& filter,
                                      const char* defaultExtension) {
    const std::string filterText = FileChooserFilter(filter);
    std::vector<char> path(kPathBufferSize, '\0');
    OPENFILENAMEA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpstrFilter = filterText.c_str();
    chooser.nFilterIndex = 1;
    chooser.lpstrFile = path.data();
    chooser.nMaxFile = kPathBufferSize;
    chooser.lpstrDefExt = defaultExtension;
    // A read-only choice would mean nothing here; a setup file is read whole and closed at once.
    // The current folder stays where it is: nothing of the program's may depend on where the user browsed.
    chooser.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (kind == FileChooserKind::Save)
        chooser.Flags |= OFN_OVERWRITEPROMPT;
    const BOOL chosen =
        kind == FileChooserKind::Save ? GetSaveFileNameA(&chooser) : GetOpenFileNameA(&chooser);
    if (!chosen) {
        ReportChooserFailure(owner, "file chooser");
        return std::nullopt;
    }
    return std::string(path.data());
}

std::optional<ChosenFont> ChooseFontFace(HWND owner, Colour colour) {
    LOGFONTA font{};
    CHOOSEFONTA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpLogFont = &font;
    chooser.rgbColors = colour;
    chooser.Flags = CF_SCREENFONTS | CF_TTONLY | CF_NOSTYLESEL | CF_NOSIZESEL | CF_EFFECTS;
    if (!ChooseFontA(&chooser)) {
        ReportChooserFailure(owner, "font chooser");
        return std::nullopt;
    }
    return ChosenFont{font.lfFaceName, static_cast<Colour>(chooser.rgbColors)};
}

}  // namespace tagmora
