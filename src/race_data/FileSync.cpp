#include "FileSync.h"

#include "SystemFile.h"

#include <cerrno>

namespace race_data {

bool syncToDevice(QFileDevice& file) {
    if (!file.flush()) return false;
    const int error = sysfile::syncDescriptor(file.handle());
    // Left in errno as the C library leaves its own failures, for the caller that names the reason.
    if (error) errno = error;
    return error == 0;
}

} // namespace race_data
