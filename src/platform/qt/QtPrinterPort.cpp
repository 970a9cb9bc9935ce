#include "QtPrinterPort.h"

#include "PainterPrintJob.h"
#include "PrinterError.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

namespace platform {

std::unique_ptr<PrintJob> QtPrinterPort::openJob() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) throw printerError("there is no default printer");
    // Paper size and orientation stay the printer's own.
    return std::make_unique<PainterPrintJob>(std::make_unique<QPrinter>(info, QPrinter::HighResolution));
}

std::unique_ptr<PrintJob> openPdfJob(const QString& pdfPath) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdfPath);
    // A fixed page, so that the same job gives the same PDF on every machine.
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    return std::make_unique<PainterPrintJob>(std::move(printer));
}

} // namespace platform
