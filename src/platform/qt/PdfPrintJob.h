#pragma once
// A print job drawn into a PDF with the same code as the printer's: real, selectable text with the
// fonts embedded. QtGui only.
#include "PrinterPort.h"

#include <QIODevice>
#include <QString>
#include <memory>

namespace platform {

// Into a file; throws RuntimeError when the file cannot be opened.
std::unique_ptr<PrintJob> openPdfJob(const QString& pdfPath);
// Into an open device that outlives the job (a QBuffer for an export written as a whole).
std::unique_ptr<PrintJob> openPdfJob(QIODevice& out);

} // namespace platform
