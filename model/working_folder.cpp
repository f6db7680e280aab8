#include "model/working_folder.h"

namespace tagmora {

namespace {
std::string& WorkingFolderStorage() {
    static std::string folder = "\\";
    return folder;
}
}  // namespace

const std::string& WorkingFolder() { return WorkingFolderStorage(); }

void SetWorkingFolder(std::string folder) { WorkingFolderStorage() = std::move(folder); }

std::string WorkingFolderFromExecutablePath(const std::string& executablePath) {
    const auto lastBackslash = executablePath.rfind('\\');
    if (lastBackslash == std::string::npos) return "\\";
    return executablePath.substr(0, lastBackslash) + "\\";
}

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return text;
    std::string result;
    std::size_t start = 0;
    for (;;) {
        const auto found = text.find(from, start);
        if (found == std::string::npos) break;
        result.append(text, start, found - start);
        result += to;
        start = found + from.size();
    }
    result.append(text, start, std::string::npos);
    return result;
}

std::string ExpandWorkingFolder(const std::string& path) {
    return ReplaceAll(path, kWorkingFolderPlaceholder, WorkingFolder());
}

std::string CollapseWorkingFolder(const std::string& path) {
    return ReplaceAll(path, WorkingFolder(), kWorkingFolderPlaceholder);
}

}  // namespace tagmora
