#include "app/program_path.h"

#include <windows.h>

#include "model/working_folder.h"

namespace tagmora {

std::string ExecutablePath() {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return std::string(buffer, length < MAX_PATH ? length : MAX_PATH);
}

std::string ProgramFolder() {
    return WorkingFolderFromExecutablePath(ExecutablePath());
}

}  // namespace tagmora
