#include "app/print_command.h"

#include <windows.h>

#include "model/data_file.h"
#include "model/sheet_persistence.h"
#include "model/user_message.h"
#include "model/working_folder.h"
#include "print/print_job.h"

namespace tagmora {
namespace {

// A relative path means the folder the command was given in, which the log's folder replaces below.
std::string FullPath(const std::string& path) {
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full) : path;
}

// A path that leads to no file gives the defaults, silently: right for "wm.dat", wrong for a print, which
// would put the default sheet on paper. Here it is said like any other file that cannot be read (a refused
// file has been reported by the load itself).
bool LoadForPrint(LabelSheet& sheet, const std::string& path) {
    switch (LoadSheetFromPath(sheet, path)) {
        case SheetLoad::Read:
            return true;
        case SheetLoad::Defaults:
            ShowUserMessage(kReadErrorPrefix + FileErrorDescription(FileErrorCause::FileNotFound, path));
            return false;
        case SheetLoad::Refused:
            break;
    }
    return false;
}

}  // namespace

int PrintSetupFile(const std::string& path) {
    if (path.empty()) {
        ShowUserMessage(kPrintWhatMessage);
        return 1;
    }
    const std::string file = FullPath(path);
    SetCurrentDirectoryA(WorkingFolder().c_str());
    LabelSheet sheet;
    if (!LoadForPrint(sheet, file))
        return 1;
    return PrintOnDefaultPrinter(nullptr, sheet) ? 0 : 1;
}

}  // namespace tagmora
