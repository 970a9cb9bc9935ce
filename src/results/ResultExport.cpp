#include "ResultExport.h"

#include "CsvExport.h"
#include "FileSync.h"
#include "HtmlExport.h"
#include "PdfExport.h"
#include "RuntimeError.h"

#include <QFileInfo>
#include <QSaveFile>

namespace results {

namespace {

[[noreturn]] void fail(int number, const QString& text) {
    throw RuntimeError(number, text.toStdString());
}

} // namespace

QString madeLine(const ResultExport& list) {
    const QString clock = timing::clockText(list.written).left(5);
    return list.final ? QStringLiteral("Resultat kl %1").arg(clock)
                      : QStringLiteral("Preliminära resultat kl %1").arg(clock);
}

std::optional<ExportFormat> exportFormatOf(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == u"html") return ExportFormat::Html;
    if (extension == u"csv") return ExportFormat::Csv;
    if (extension == u"pdf") return ExportFormat::Pdf;
    return std::nullopt;
}

QByteArray exportBytes(ExportFormat format, const ResultExport& list) {
    switch (format) {
    case ExportFormat::Html:
        return htmlExport(list);
    case ExportFormat::Csv:
        return csvExport(list);
    case ExportFormat::Pdf:
        return pdfExport(list);
    }
    return {};
}

void exportResultList(const QString& path, const ResultExport& list) {
    const std::optional<ExportFormat> format = exportFormatOf(path);
    if (!format)
        fail(runtime_error_numbers::BadFileName,
             QStringLiteral("Okänd filtyp: %1 (välj .html, .csv eller .pdf)").arg(path));
    const QByteArray bytes = exportBytes(*format, list);
    // Written beside the old file and renamed over it, so that a failure never leaves half a page.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(runtime_error_numbers::PathFileAccess,
             QStringLiteral("Kan inte skriva %1: %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !race_data::syncToDevice(file) || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(runtime_error_numbers::DeviceIO, QStringLiteral("Fel när %1 skrevs: %2").arg(path, reason));
    }
}

} // namespace results
