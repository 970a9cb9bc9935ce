#pragma once
#include "PrinterPort.h"

#include <QString>

namespace platform {

// Print jobs on the platform's default printer (QPrinterInfo::defaultPrinter()); no default printer
// makes openJob throw.
class QtPrinterPort : public PrinterPort {
public:
    std::unique_ptr<PrintJob> openJob() override;
};

} // namespace platform
