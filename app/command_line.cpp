#include "app/command_line.h"

namespace tagmora {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string SetupPathFromCommandLine(const std::string& commandLine) {
    std::string::size_type begin = 0;
    std::string::size_type end = commandLine.size();
    while (begin < end && IsBlank(commandLine[begin]))
        ++begin;
    while (end > begin && IsBlank(commandLine[end - 1]))
        --end;
    if (end - begin >= 2 && commandLine[begin] == '"' && commandLine[end - 1] == '"') {
        ++begin;
        --end;
    }
    return commandLine.substr(begin, end - begin);
}

}  // namespace tagmora
