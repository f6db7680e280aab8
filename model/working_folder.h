#pragma once
// The program's own folder, with a trailing backslash. "{{WKDIR}}" in a stored logo path stands for it,
// so that a whole program folder can move and keep its logo.

#include <string>

namespace tagmora {

constexpr const char* kWorkingFolderPlaceholder = "{{WKDIR}}";

const std::string& WorkingFolder();
void SetWorkingFolder(std::string folder);

// The text before the executable path's last backslash plus "\", or "\" alone when it has none.
std::string WorkingFolderFromExecutablePath(const std::string& executablePath);

// Every placeholder replaced by the working folder.
std::string ExpandWorkingFolder(const std::string& path);
// Every occurrence of the working folder's text (exact, case-sensitive) replaced by the placeholder.
std::string CollapseWorkingFolder(const std::string& path);

}  // namespace tagmora
