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
        const auto row = [&list](int r) { return list.rows[static_cast<std::size_t>(r - 1)]; };
        printResultList(*job, list.picture, list.clubName, list.heading, static_cast<int>(list.rows.size()),
                        row, [](int) {});
    }
    return bytes;
}

} // namespace results
