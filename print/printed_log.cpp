#include "print/printed_log.h"

#include "model/data_file.h"
#include "model/text_value_codec.h"
#include "model/variant_time.h"
#include "model/working_folder.h"

namespace tagmora {

std::string PrintedLogPath(double pointInTime, bool invalid) {
    // From the program's folder, never the current one, which a file chooser may have moved: the logs of
    // every job stay together where the program finds them.
    return WorkingFolder() + "PRINTED\\" + text_value_codec::DateText(pointInTime, invalid) + "_" +
           text_value_codec::TimeText(pointInTime, invalid) + ".txt";
}

std::string FreeLogPath(const std::string& path, bool (*taken)(const std::string& path)) {
    // Beyond this many jobs in one second something else is wrong; the last name is replaced then.
    constexpr int kMostLogsPerSecond = 999;
    if (!taken(path))
        return path;
    const std::string stem = path.size() >= 4 ? path.substr(0, path.size() - 4) : path;
    std::string candidate;
    for (int n = 2; n <= kMostLogsPerSecond; ++n) {
        candidate = stem + "_" + std::to_string(n) + ".txt";
        if (!taken(candidate))
            break;
    }
    return candidate;
}

void AppendPrintedLogEntry(std::string& logText, const std::string& dest) {
    logText += dest;
    logText += kPrintedLogSeparator;
}

bool WritePrintedLog(const std::string& logText) {
    double pointInTime = 0;
    bool invalid = true;
    if (const auto now = LocalTimeNow()) {
        if (const auto converted = CalendarToVariantTime(*now)) {
            pointInTime = *converted;
            invalid = false;
        }
    }
    const auto taken = [](const std::string& path) { return DataFile(path, false).Exists(); };
    const DataFile file(FreeLogPath(PrintedLogPath(pointInTime, invalid), taken), true);
    return file.WriteAllText(logText, true).has_value();
}

}  // namespace tagmora
