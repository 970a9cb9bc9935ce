#pragma once
// Failing file operations as RuntimeErrors that name the file and the system's reason in Swedish.
#include "RuntimeError.h"

namespace base {

// The reason a system call gave (an errno value) as a short Swedish text: 0 and unknown numbers give a
// general text with the system's own wording in parentheses.
QString fileFailureReason(int errnoValue);
// The runtime error number that fits a system error: 75 for refused access, 61 for a full disk, 53 for
// a missing file, 70 for a file another program holds, 57 for the rest.
int runtimeErrorNumberOf(int errnoValue);

RuntimeError fileFailure(const QString& path, int errnoValue);
// The open file is no longer the file at its path: deleted, renamed, or its folder moved.
RuntimeError vanishedFile(const QString& path);
// A file that is write-protected (no owner-write bit), refused with 75 before any write is tried.
RuntimeError writeProtectedFile(const QString& path);
// A path that names a folder, a FIFO or a device where a race or settings file belongs.
RuntimeError notARegularFile(const QString& path);

// The one line the desk adds to its write-failure message, "Fil: <path> – <reason>". Empty for an error
// that names no file.
QString fileFailureLine(const RuntimeError& error);

} // namespace base
