#include <windows.h>

#include <algorithm>

#include "model/file_system.h"
#include "win/handle.h"

namespace tagmora {

namespace {

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

FileErrorCause CauseFromLastError() {
    switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
            return FileErrorCause::FileNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_NAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_BAD_NETPATH:
        case ERROR_DIRECTORY:
            return FileErrorCause::BadPath;
        case ERROR_TOO_MANY_OPEN_FILES:
            return FileErrorCause::TooManyOpenFiles;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_NETWORK_ACCESS_DENIED:
            return FileErrorCause::AccessDenied;
        case ERROR_INVALID_HANDLE:
            return FileErrorCause::InvalidHandle;
        case ERROR_CURRENT_DIRECTORY:
            return FileErrorCause::CurrentDirectory;
        case ERROR_CANNOT_MAKE:
            return FileErrorCause::DirectoryFull;
        case ERROR_SEEK:
        case ERROR_NEGATIVE_SEEK:
            return FileErrorCause::SeekFailed;
        case ERROR_CRC:
        case ERROR_SECTOR_NOT_FOUND:
        case ERROR_WRITE_FAULT:
        case ERROR_READ_FAULT:
        case ERROR_GEN_FAILURE:
        case ERROR_NOT_READY:
            return FileErrorCause::HardwareError;
        case ERROR_SHARING_VIOLATION:
            return FileErrorCause::SharingViolation;
        case ERROR_LOCK_VIOLATION:
            return FileErrorCause::LockingViolation;
        case ERROR_HANDLE_DISK_FULL:
        case ERROR_DISK_FULL:
            return FileErrorCause::DiskFull;
        case ERROR_HANDLE_EOF:
            return FileErrorCause::PastEnd;
        case ERROR_ALREADY_EXISTS:
        case ERROR_FILE_EXISTS:
            return FileErrorCause::AlreadyExists;
        default:
            return FileErrorCause::Unknown;
    }
}

// The folder a file lies in, as GetTempFileNameA takes it.
std::string FolderOf(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string(".") : path.substr(0, separator + 1);
}

// Writes every byte and makes it durable; the cause when that failed.
std::optional<FileErrorCause> WriteWhole(const FileHandle& file, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        DWORD chunk = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!WriteFile(file.Get(), bytes.data() + done, wanted, &chunk, nullptr) || chunk == 0) {
            return chunk == 0 && GetLastError() == ERROR_SUCCESS ? FileErrorCause::DiskFull
                                                                 : CauseFromLastError();
        }
        done += chunk;
    }
    if (!FlushFileBuffers(file.Get()))
        return CauseFromLastError();
    return std::nullopt;
}

}  // namespace

void InputFile::CloseNative(std::intptr_t handle) {
    CloseHandle(AsHandle(handle));
}

InputFile InputFile::Open(const std::string& path, FileErrorCause* cause) {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        if (cause)
            *cause = CauseFromLastError();
        return InputFile();
    }
    return InputFile(reinterpret_cast<std::intptr_t>(handle));
}

std::optional<std::size_t> InputFile::Read(char* buffer, std::size_t size, FileErrorCause* cause) {
    DWORD read = 0;
    if (!ReadFile(AsHandle(handle_), buffer, static_cast<DWORD>(size), &read, nullptr)) {
        if (cause)
            *cause = CauseFromLastError();
        return std::nullopt;
    }
    return static_cast<std::size_t>(read);
}

std::optional<std::uint64_t> InputFile::RegularFileSize() const {
    // The standard information rather than GetFileInformationByHandle, which also asks for the volume's
    // serial number: under Wine that costs a few tenths of a millisecond, and the logo's check before the
    // loader runs at the preview's first paint and whenever the logo file changes.
    FILE_STANDARD_INFO information{};
    if (GetFileType(AsHandle(handle_)) != FILE_TYPE_DISK ||
        !GetFileInformationByHandleEx(AsHandle(handle_), FileStandardInfo, &information,
                                      sizeof information) ||
        information.Directory || information.EndOfFile.QuadPart < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(information.EndOfFile.QuadPart);
}

std::optional<FileErrorCause> ReplaceFileContents(const std::string& path, const std::string& bytes) {
    // MoveFileEx would replace a read-only target (under Wine) and leave it writable.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return FileErrorCause::AccessDenied;
    // A name the platform picks and creates beside the target: whatever else lies there, file or folder,
    // cannot stand in the way.
    char temporary[MAX_PATH] = {};
    if (!GetTempFileNameA(FolderOf(path).c_str(), "tgm", 0, temporary))
        return CauseFromLastError();
    std::optional<FileErrorCause> failure;
    {
        FileHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        failure = file.Valid() ? WriteWhole(file, bytes) : CauseFromLastError();
        if (!failure && !file.Close())
            failure = CauseFromLastError();
    }
    if (!failure && !MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        failure = CauseFromLastError();
    if (failure)
        DeleteFileA(temporary);
    return failure;
}

std::optional<FileErrorCause> RenameWithoutReplacing(const std::string& from, const std::string& to) {
    if (!MoveFileExA(from.c_str(), to.c_str(), 0))
        return CauseFromLastError();
    return std::nullopt;
}

void CreateFolderIgnoringFailure(const std::string& folder) {
    CreateDirectoryA(folder.c_str(), nullptr);
}

}  // namespace tagmora
