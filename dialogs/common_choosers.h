#pragma once
// The platform's common dialogs as the Setup Dialog uses them: the open and save file choosers and the
// font chooser. Each returns nothing when the user cancelled; when the chooser could not open at all the
// user is told so first, and nothing is returned either, so the caller changes nothing.

#include <windows.h>

#include <optional>
#include <string>

#include "model/colour.h"

namespace tagmora {

enum class FileChooserKind { Open, Save };

// The chosen full path. The filter is in the "Name|*.ext||" notation; the default extension has no dot.
// A save chooser asks before an existing file is replaced; an open chooser accepts a name that does not
// exist. Neither keeps the current folder: afterwards it is the chosen file's.
std::optional<std::string> ChooseFile(HWND owner, FileChooserKind kind, const std::string& filter,
                                      const char* defaultExtension);

struct ChosenFont {
    std::string faceName;
    Colour colour;
};

// Screen TrueType faces, with the effects (and so the colour) shown; the colour starts as given and no
// face, style or size is preselected. Of what the user picks only the face and the colour are returned.
std::optional<ChosenFont> ChooseFontFace(HWND owner, Colour colour);

}  // namespace tagmora
