// What the file layer does alike on every system; the system calls are in SystemFile_posix.cpp and
// SystemFile_win32.cpp.
#include "SystemFile.h"

namespace race_data::sysfile {

File::~File() {
    close();
}

File::File(File&& other) noexcept : handle_(other.handle_) {
    other.handle_ = NoHandle;
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = other.handle_;
        other.handle_ = NoHandle;
    }
    return *this;
}

bool File::isOpen() const {
    return handle_ != NoHandle;
}

int File::writeWholeAt(std::int64_t offset, std::string_view bytes) {
    const std::int64_t oldSize = size();
    const std::string oldBytes =
        offset < oldSize ? readAt(offset, std::int64_t(bytes.size())) : std::string();
    int error = offset > oldSize ? resize(offset) : 0;
    if (!error) error = writeAt(offset, bytes);
    if (!error) return 0;
    if (!oldBytes.empty()) writeAt(offset, oldBytes);
    if (size() > oldSize) resize(oldSize);
    return error;
}

} // namespace race_data::sysfile
