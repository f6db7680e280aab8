#include "model/file_system.h"

namespace tagmora {

InputFile::~InputFile() {
    Close();
}

InputFile::InputFile(InputFile&& other) noexcept : handle_(other.handle_) {
    other.handle_ = kClosed;
}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = kClosed;
    }
    return *this;
}

void InputFile::Close() {
    if (handle_ != kClosed)
        CloseNative(handle_);
    handle_ = kClosed;
}

}  // namespace tagmora
