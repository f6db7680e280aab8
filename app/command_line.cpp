#include "app/command_line.h"

#include "addresses/address_file.h"

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
        return {true, SetupPathFromCommandLine(commandLine.substr(after)), {}};
    CommandLine command;
    const std::string whole = SetupPathFromCommandLine(commandLine);
    std::string::size_type end = commandLine.size();
    while (end > 0 && IsBlank(commandLine[end - 1]))
        --end;
    const bool quotedEnd = end > 0 && commandLine[end - 1] == '"';
    if (!IsAddressListPath(commandLine.substr(0, quotedEnd ? end - 1 : end))) {
        command.setupPath = whole;
        return command;
    }
    std::string::size_type split = std::string::npos;
    if (quotedEnd) {
        // The last quoted path is the list; the quote that opens it is the one before the closing one.
        const std::string::size_type open = end >= 2 ? commandLine.rfind('"', end - 2) : std::string::npos;
        if (open != std::string::npos)
            split = open;
    } else {
        const std::string::size_type quote = commandLine.rfind('"', end - 1);
        if (quote != std::string::npos)
            split = quote + 1;
    }
    if (split == std::string::npos) {
        command.addressPath = whole;
        return command;
    }
    command.setupPath = SetupPathFromCommandLine(commandLine.substr(0, split));
    command.addressPath = SetupPathFromCommandLine(commandLine.substr(split));
    return command;
}

}  // namespace tagmora
