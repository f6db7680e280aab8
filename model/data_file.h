#pragma once
// A small object bound to one file path: can the file be opened, read it whole, write it whole.
// Failures reach the user as one of two messages naming the cause and the path.

#include <cstdint>
#include <optional>
#include <string>

#include "model/file_system.h"

namespace tagmora {

constexpr const char* kReadErrorPrefix = "Error reading data from disk:\n";
constexpr const char* kWriteErrorPrefix = "Error exporting data to disk:\n";

// The user's text for a cause, with %1 replaced by the path and cut to at most 254 characters.
std::string FileErrorDescription(FileErrorCause cause, const std::string& path);

// A whole file's text, or why there is none.
struct FileText {
    std::string text;
    std::optional<FileErrorCause> failure;
};

class DataFile {
  public:
    // With createFolder on and a backslash in the path, the folder before the last backslash is created
    // when missing (one level only; failures are ignored).
    DataFile(std::string path, bool createFolder);

    const std::string& Path() const { return path_; }

    bool Exists() const;

    // Reads in blocks of 2048 bytes; each block counts up to its first zero byte. Only an ordinary file of
    // at most kMaxReadBytes is read, so that every read ends, in memory. Never reports.
    FileText Read() const;
    // Read, with the read message on failure (when report is on), when the result is empty.
    std::string ReadAllText(bool report) const;

    // Replaces the file's content with the text through a temporary file, so the old file survives any
    // failure. The file's length on success; empty on failure (reported when report is on).
    std::optional<std::int32_t> WriteAllText(const std::string& text, bool report) const;

  private:
    std::string path_;
};

}  // namespace tagmora
