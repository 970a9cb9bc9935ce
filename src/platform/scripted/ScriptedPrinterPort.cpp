#include "LoggingPrintJob.h"
#include "PdfPrintJob.h"
#include "PrinterError.h"
#include "ScriptedPlatform.h"

namespace platform {

std::unique_ptr<PrintJob> ScriptedPrinterPort::openJob() {
    switch (mode_) {
    case Mode::None:
        throw printerError("there is no default printer");
    case Mode::Fail:
        return std::make_unique<LoggingPrintJob>(log_, failAt_, nullptr);
    case Mode::Pdf:
        return std::make_unique<LoggingPrintJob>(log_, 0, openPdfJob(pdfPath_));
    case Mode::Log:
        break;
    }
    return std::make_unique<LoggingPrintJob>(log_, 0, nullptr);
}

} // namespace platform
