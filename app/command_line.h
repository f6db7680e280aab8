#pragma once
// The program's command line: an optional setup file path and an optional address list, or "/p" and a
// setup file to print.

#include <string>

namespace tagmora {

// The path to load at the Main Window's first timer tick, or empty. Blanks around the text are dropped
// and so is one pair of surrounding quotation marks, because Explorer and shortcuts quote a path that
// holds spaces ("C:\My Labels\home.tgm") and a quoted name would never open.
std::string SetupPathFromCommandLine(const std::string& commandLine);

struct CommandLine {
    // "/p <path>" (or "/P"), as Explorer's "Print" verb passes it: print that file's labels and end.
    bool print = false;
    std::string setupPath;
    // A path ending in .csv, .tsv, .tab or .vcf: imported into the labels after the setup file is loaded.
    std::string addressPath;
};

// A command line that starts with the switch "/p" (followed by a blank, a quotation mark or nothing) asks
// for a print; any other is a setup file path, as SetupPathFromCommandLine reads it, unless it ends in an
// address list: the whole line when it is one path of such an ending, else its last quoted path or the
// path after its last quotation mark, with the setup file's path before it. An unquoted setup path and an
// unquoted list path in one line read as a single path, as a path may hold blanks.
CommandLine ParseCommandLine(const std::string& commandLine);

}  // namespace tagmora
