#pragma once
// Every print job leaves a text file in PRINTED\ in the program's folder, named after its local date and
// time, holding the stored DEST text of every label that went to the printer, each followed by a separator
// line.

#include <string>

namespace tagmora {

// CR LF, 36 hyphens, CR LF.
constexpr const char* kPrintedLogSeparator = "\r\n------------------------------------\r\n";

// The working folder + "PRINTED\" + "%d-%d-%d" date + "_" + "%02d-%02d-%02d" time + ".txt"; every number -1
// when invalid.
std::string PrintedLogPath(double pointInTime, bool invalid);

// The path itself when the predicate says it is free, else the first free one of "_2", "_3", ... put
// before ".txt": two jobs in the same second keep both logs.
std::string FreeLogPath(const std::string& path, bool (*taken)(const std::string& path));

void AppendPrintedLogEntry(std::string& logText, const std::string& dest);

// Writes the log under the local time taken now, beside any log of the same second; false (after the write
// message) when it could not be written.
bool WritePrintedLog(const std::string& logText);

}  // namespace tagmora
