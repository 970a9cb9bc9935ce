#include "PdfExport.h"

#include "PdfPrintJob.h"
#include "PrintResultList.h"

#include <QBuffer>

namespace results {

QByteArray pdfExport(const ResultExport& list) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        std::unique_ptr<platform::PrintJob> job = platform::openPdfJob(buffer);
        printResultList(*job, list);
    }
    return bytes;
}

} // namespace results
