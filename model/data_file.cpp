#include "model/data_file.h"

#include <cstring>

#include "model/text_helpers.h"
#include "model/user_message.h"

namespace tagmora {

namespace {

constexpr std::size_t kBlockSize = 2048;
constexpr std::size_t kMaxDescription = 254;

const char* CauseTemplate(FileErrorCause cause) {
    switch (cause) {
        case FileErrorCause::FileNotFound:
            return "%1 was not found.";
        case FileErrorCause::BadPath:
            return "%1 contains an invalid path.";
        case FileErrorCause::TooManyOpenFiles:
            return "%1 could not be opened because there are too many open files.";
        case FileErrorCause::AccessDenied:
            return "Access to %1 was denied.";
        case FileErrorCause::InvalidHandle:
            return "An invalid file handle was associated with %1.";
        case FileErrorCause::CurrentDirectory:
            return "%1 could not be removed because it is the current directory.";
        case FileErrorCause::DirectoryFull:
            return "%1 could not be created because the directory is full.";
        case FileErrorCause::SeekFailed:
            return "Seek failed on %1";
        case FileErrorCause::HardwareError:
            return "A hardware I/O error was reported while accessing %1.";
        case FileErrorCause::SharingViolation:
            return "A sharing violation occurred while accessing %1.";
        case FileErrorCause::LockingViolation:
            return "A locking violation occurred while accessing %1.";
        case FileErrorCause::DiskFull:
            return "Disk full while accessing %1.";
        case FileErrorCause::PastEnd:
            return "An attempt was made to access %1 past its end.";
        case FileErrorCause::AlreadyExists:
            return "%1 already exists.";
        case FileErrorCause::NotAFile:
            return "%1 is not an ordinary file but a device, a pipe or a folder, and was not read.";
        case FileErrorCause::TooLarge:
            return "%1 is larger than 64 MiB, far larger than any setup file, and was not read.";
        case FileErrorCause::Unknown:
            break;
    }
    return "An unknown error occurred while accessing %1.";
}

}  // namespace

std::string FileErrorDescription(FileErrorCause cause, const std::string& path) {
    std::string text = ReplaceAll(CauseTemplate(cause), "%1", path);
    if (text.size() > kMaxDescription)
        text.resize(kMaxDescription);
    return text;
}

DataFile::DataFile(std::string path, bool createFolder) : path_(std::move(path)) {
    if (!createFolder)
        return;
    const auto lastBackslash = path_.rfind('\\');
    if (lastBackslash != std::string::npos)
        CreateFolderIgnoringFailure(path_.substr(0, lastBackslash));
}

bool DataFile::Exists() const {
    return InputFile::Open(path_, nullptr).IsOpen();
}

FileText DataFile::Read() const {
    FileErrorCause cause = FileErrorCause::Unknown;
    InputFile file = InputFile::Open(path_, &cause);
    if (!file.IsOpen())
        return {{}, cause};
    const std::optional<std::uint64_t> size = file.RegularFileSize();
    if (!size)
        return {{}, FileErrorCause::NotAFile};
    if (*size > kMaxReadBytes)
        return {{}, FileErrorCause::TooLarge};
    std::string text;
    std::uint64_t total = 0;
    char block[kBlockSize];
    for (;;) {
        const auto count = file.Read(block, kBlockSize, &cause);
        // A file that fails part-way is treated as unreadable: half a setup is worse than a message.
        if (!count)
            return {{}, cause};
        // A file that grows while it is read is held to the limit too.
        total += *count;
        if (total > kMaxReadBytes)
            return {{}, FileErrorCause::TooLarge};
        const void* zero = std::memchr(block, 0, *count);
        text.append(block, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - block) : *count);
        if (*count < kBlockSize)
            return {std::move(text), std::nullopt};
    }
}

std::string DataFile::ReadAllText(bool report) const {
    FileText read = Read();
    if (read.failure && report)
        ShowUserMessage(kReadErrorPrefix + FileErrorDescription(*read.failure, path_));
    return std::move(read.text);
}

std::optional<std::int32_t> DataFile::WriteAllText(const std::string& text, bool report) const {
    if (const auto cause = ReplaceFileContents(path_, text)) {
        if (report)
            ShowUserMessage(kWriteErrorPrefix + FileErrorDescription(*cause, path_));
        return std::nullopt;
    }
    return static_cast<std::int32_t>(text.size());
}

}  // namespace tagmora
