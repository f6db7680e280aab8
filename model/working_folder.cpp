#include "model/working_folder.h"

#include "model/text_helpers.h"

namespace tagmora {

namespace {
std::string& WorkingFolderStorage() {
    static std::string folder = "\\";
    return folder;
}
}  // namespace

const std::string& WorkingFolder() {
    return WorkingFolderStorage();
}

void SetWorkingFolder(std::string folder) {
    WorkingFolderStorage() = std::move(folder);
}

std::string WorkingFolderFromExecutablePath(const std::string& executablePath) {
    const auto lastBackslash = executablePath.rfind('\\');
    if (lastBackslash == std::string::npos)
        return "\\";
    return executablePath.substr(0, lastBackslash) + "\\";
}

std::string ExpandWorkingFolder(const std::string& path) {
    return ReplaceAll(path, kWorkingFolderPlaceholder, WorkingFolder());
}

std::string CollapseWorkingFolder(const std::string& path) {
    return ReplaceAll(path, WorkingFolder(), kWorkingFolderPlaceholder);
}

}  // namespace tagmora
