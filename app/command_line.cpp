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

CommandLine ParseCommandLine(const std::string& commandLine) {
    std::string::size_type begin = 0;
    while (begin < commandLine.size() && IsBlank(commandLine[begin]))
        ++begin;
    // A Windows path never starts with "/p" and a separator, so the switch cannot hide a file's name.
    const bool hasSwitch = commandLine.size() >= begin + 2 && commandLine[begin] == '/' &&
                           (commandLine[begin + 1] == 'p' || commandLine[begin + 1] == 'P');
    const std::string::size_type after = begin + 2;
    if (hasSwitch &&
        (after == commandLine.size() || IsBlank(commandLine[after]) || commandLine[after] == '"'))
        return {true, SetupPathFromCommandLine(commandLine.substr(after))};
    return {false, SetupPathFromCommandLine(commandLine)};
}

}  // namespace tagmora
