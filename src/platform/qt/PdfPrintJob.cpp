#include "PdfPrintJob.h"

#include "PainterPrintJob.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace platform {

namespace {

// The resolution of a high-resolution printer, so that the PDF measures text as a print does.
constexpr int PdfDpi = 1200;

std::unique_ptr<PrintJob> pdfJob(std::unique_ptr<QPdfWriter> writer) {
    writer->setResolution(PdfDpi);
    writer->setCreator(QStringLiteral("Brisrundan"));
    // A fixed page, so that the same job gives the same PDF on every machine.
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    return std::make_unique<PainterPrintJob>(std::move(writer));
}

} // namespace

std::unique_ptr<PrintJob> openPdfJob(const QString& pdfPath) {
    return pdfJob(std::make_unique<QPdfWriter>(pdfPath));
}

std::unique_ptr<PrintJob> openPdfJob(QIODevice& out) {
    return pdfJob(std::make_unique<QPdfWriter>(&out));
}

} // namespace platform
