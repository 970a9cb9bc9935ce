#include "QtPrinterPort.h"

#include "PainterPrintJob.h"
#include "PrinterError.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

std::unique_ptr<PrintJob> QtPrinterPort::openJob() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) throw printerError("there is no default printer");
    // Paper size and orientation stay the printer's own.
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    QPrinter* device = printer.get();
    return std::make_unique<PainterPrintJob>(std::move(printer),
                                             [device] { return device->printerState() == QPrinter::Error; });
}

} // namespace platform
