#include "QtPrinterPort.h"

#include "PainterPrintJob.h"
#include "PrinterError.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

namespace {

// Paper size and orientation stay the printer's own.
std::unique_ptr<QPrinter> defaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) throw printerError("there is no default printer");
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::unique_ptr<PrintJob> startJob(std::unique_ptr<QPrinter> printer) {
    QPrinter* device = printer.get();
    return std::make_unique<PainterPrintJob>(std::move(printer),
                                             [device] { return device->printerState() == QPrinter::Error; });
}

} // namespace

std::unique_ptr<PrintJob> QtPrinterPort::openJob() {
    return startJob(defaultPrinter());
}

std::unique_ptr<PrintJob> QtPrinterPort::chooseJob() {
    std::unique_ptr<QPrinter> printer = defaultPrinter();
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Skriv ut"));
    // Printer, copies and paper; the job always prints every page, so no page range is offered.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return startJob(std::move(printer));
}

} // namespace platform
