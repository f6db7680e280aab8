#pragma once
// The application object: the whole life of the program, from the process-wide state to the Main
// Window's modal run and the saving of the sheet when it has closed.

#include <string>

namespace tagmora {

// Shown, before the program ends, when the platform cannot give it what it needs to run at all.
constexpr const char* kCannotStartMessage =
    "Tagmora Professional cannot start: Windows could not create its main window.\r"
    "Close some other programs and start it again.";

// Runs the program with the command line the platform handed over (the part after the program name).
// Returns the process's exit code.
int RunApplication(const std::string& commandLine);

}  // namespace tagmora
