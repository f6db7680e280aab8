#pragma once
// The few file operations the Data File needs, bound to the platform in file_system_win32.cpp
// (Windows paths and error codes) and file_system_posix.cpp (the native test build).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tagmora {

// Why a file could not be opened, read or written; each has one text the user sees.
enum class FileErrorCause {
    Unknown,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidHandle,
    CurrentDirectory,
    DirectoryFull,
    SeekFailed,
    HardwareError,
    SharingViolation,
    LockingViolation,
    DiskFull,
    PastEnd,
    AlreadyExists,
    // Refused by this program rather than the platform: a read must end, and in memory.
    NotAFile,  // a device, pipe or folder, which may never end
    TooLarge,  // more than kMaxReadBytes
};

// Far more than any file the program reads: 128 addresses of 100 KB make a setup file of 13 MB.
constexpr std::uint64_t kMaxReadBytes = 64u << 20;

// A file open for reading; closed when it goes out of scope.
class InputFile {
  public:
    InputFile() = default;
    ~InputFile();
    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&& other) noexcept;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Read-only, binary, existing files only.
    static InputFile Open(const std::string& path, FileErrorCause* cause);

    bool IsOpen() const { return handle_ != kClosed; }
    // The size of an ordinary file on a disk; empty for a device, a pipe or a folder.
    std::optional<std::uint64_t> RegularFileSize() const;
    // The number of bytes read (0 at the end), or empty with the cause when the read failed.
    std::optional<std::size_t> Read(char* buffer, std::size_t size, FileErrorCause* cause);

  private:
    static constexpr std::intptr_t kClosed = -1;
    explicit InputFile(std::intptr_t handle) : handle_(handle) {}
    void Close();
    // The platform's close of an open handle (file_system_win32.cpp, file_system_posix.cpp).
    static void CloseNative(std::intptr_t handle);
    std::intptr_t handle_ = kClosed;
};

// Writes the bytes to a temporary file beside the target and then puts it in the target's place, so that a
// failure at any point leaves the old target as it was. A read-only target is refused (AccessDenied), as
// the platform's own write refuses it. Empty on success, else the cause.
std::optional<FileErrorCause> ReplaceFileContents(const std::string& path, const std::string& bytes);

// Renames a file, failing (AlreadyExists) rather than replacing anything of the new name.
std::optional<FileErrorCause> RenameWithoutReplacing(const std::string& from, const std::string& to);

// Creates one folder level; a failure (it exists, or its parent is missing) is not an error here.
void CreateFolderIgnoringFailure(const std::string& folder);

}  // namespace tagmora
