// The native build reads Windows-style paths: a backslash is taken as the folder separator.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "model/file_system.h"

namespace tagmora {

namespace {

std::string NativePath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool ParentFolderExists(const std::string& nativePath) {
    const auto slash = nativePath.rfind('/');
    if (slash == std::string::npos)
        return true;
    if (slash == 0)
        return true;
    struct stat info {};
    return stat(nativePath.substr(0, slash).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

FileErrorCause CauseFromErrno(int error, const std::string& nativePath) {
    switch (error) {
        case ENOENT:
            return ParentFolderExists(nativePath) ? FileErrorCause::FileNotFound : FileErrorCause::BadPath;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
            return FileErrorCause::BadPath;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return FileErrorCause::AccessDenied;
        case EMFILE:
        case ENFILE:
            return FileErrorCause::TooManyOpenFiles;
        case EBADF:
            return FileErrorCause::InvalidHandle;
        case ENOSPC:
        case EDQUOT:
            return FileErrorCause::DiskFull;
        case EIO:
            return FileErrorCause::HardwareError;
        case EEXIST:
            return FileErrorCause::AlreadyExists;
        case EBUSY:
        case ETXTBSY:
            return FileErrorCause::SharingViolation;
        default:
            return FileErrorCause::Unknown;
    }
}

class ScopedDescriptor {
  public:
    explicit ScopedDescriptor(int fd) : fd_(fd) {}
    ~ScopedDescriptor() { Close(); }
    ScopedDescriptor(const ScopedDescriptor&) = delete;
    ScopedDescriptor& operator=(const ScopedDescriptor&) = delete;
    int Get() const { return fd_; }
    bool Close() {
        if (fd_ < 0)
            return true;
        const bool closed = close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

  private:
    int fd_;
};

}  // namespace

void InputFile::CloseNative(std::intptr_t handle) {
    close(static_cast<int>(handle));
}

InputFile InputFile::Open(const std::string& path, FileErrorCause* cause) {
    const std::string nativePath = NativePath(path);
    const int fd = open(nativePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (cause)
            *cause = CauseFromErrno(errno, nativePath);
        return InputFile();
    }
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {  // Windows refuses to open a folder as a file
        close(fd);
        if (cause)
            *cause = FileErrorCause::AccessDenied;
        return InputFile();
    }
    return InputFile(fd);
}

std::optional<std::size_t> InputFile::Read(char* buffer, std::size_t size, FileErrorCause* cause) {
    for (;;) {
        const ssize_t count = read(static_cast<int>(handle_), buffer, size);
        if (count >= 0)
            return static_cast<std::size_t>(count);
        if (errno == EINTR)
            continue;
        if (cause)
            *cause = CauseFromErrno(errno, {});
        return std::nullopt;
    }
}

std::optional<std::uint64_t> InputFile::RegularFileSize() const {
    struct stat info {};
    if (fstat(static_cast<int>(handle_), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
}

std::optional<FileErrorCause> ReplaceFileContents(const std::string& path, const std::string& bytes) {
    const std::string nativePath = NativePath(path);
    // The owner's write permission stands for the Windows read-only attribute.
    struct stat target {};
    if (stat(nativePath.c_str(), &target) == 0 && S_ISREG(target.st_mode) && !(target.st_mode & S_IWUSR))
        return FileErrorCause::AccessDenied;
    const auto slash = nativePath.rfind('/');
    std::string temporary =
        (slash == std::string::npos ? std::string() : nativePath.substr(0, slash + 1)) + "tgmXXXXXX";
    {
        ScopedDescriptor file(mkstemp(temporary.data()));
        if (file.Get() < 0)
            return CauseFromErrno(errno, nativePath);
        fchmod(file.Get(), 0644);
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t count = write(file.Get(), bytes.data() + done, bytes.size() - done);
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0) {
                const FileErrorCause cause =
                    count == 0 ? FileErrorCause::DiskFull : CauseFromErrno(errno, {});
                file.Close();
                unlink(temporary.c_str());
                return cause;
            }
            done += static_cast<std::size_t>(count);
        }
        if (fsync(file.Get()) != 0 || !file.Close()) {
            const FileErrorCause cause = CauseFromErrno(errno, {});
            file.Close();
            unlink(temporary.c_str());
            return cause;
        }
    }
    if (rename(temporary.c_str(), nativePath.c_str()) != 0) {
        const FileErrorCause cause = CauseFromErrno(errno, nativePath);
        unlink(temporary.c_str());
        return cause;
    }
    return std::nullopt;
}

std::optional<FileErrorCause> RenameWithoutReplacing(const std::string& from, const std::string& to) {
    struct stat existing {};
    if (lstat(NativePath(to).c_str(), &existing) == 0)
        return FileErrorCause::AlreadyExists;
    if (rename(NativePath(from).c_str(), NativePath(to).c_str()) != 0)
        return CauseFromErrno(errno, NativePath(from));
    return std::nullopt;
}

void CreateFolderIgnoringFailure(const std::string& folder) {
    mkdir(NativePath(folder).c_str(), 0755);
}

}  // namespace tagmora
