#pragma once
// The race files this process holds open. Only one handle may write a file at a time (Windows' sharing
// modes, an exclusive lock on POSIX), so a race that the desk opens again while it holds it, or that a
// check reads beside the desk, shares the handle already open instead of being refused.
#include "SystemFile.h"

#include <QString>
#include <memory>

namespace race_data {

struct HeldFile {
    sysfile::File file;
    sysfile::Identity identity;
    bool readOnly = false;
    // Why a file is held read-only although it is not write-protected: EBUSY while another program holds it
    // for writing. 0 for a write-protected file.
    int refusal = 0;
};

// Opens the file for writing (creating it when missing), or shares the handle this process holds for it
// already. A write-protected file, or one another program holds for writing, is held read-only. Throws a
// RuntimeError naming the path when it can be neither opened nor created, or names no regular file.
std::shared_ptr<HeldFile> holdFile(const QString& path);

} // namespace race_data
