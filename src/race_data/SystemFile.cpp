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

} // namespace race_data::sysfile
