#pragma once
#include "RuntimeError.h"

#include <string>

namespace platform {

// Every failure of a print job carries the runtime's "Printer error" number.
constexpr int PrinterErrorNumber = 482;

inline RuntimeError printerError(const std::string& what) {
    return RuntimeError(PrinterErrorNumber, "Printer error: " + what);
}

} // namespace platform
