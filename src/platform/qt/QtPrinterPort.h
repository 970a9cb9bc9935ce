#pragma once
#include "PrinterPort.h"

#include <QString>

namespace platform {

// Print jobs on the platform's printers: openJob on the default printer (QPrinterInfo::defaultPrinter()),
// chooseJob through QPrintDialog, modal to the active window. No printer at all makes both throw.
class QtPrinterPort : public PrinterPort {
public:
    std::unique_ptr<PrintJob> openJob() override;
    std::unique_ptr<PrintJob> chooseJob() override;
};

} // namespace platform
