#include "ResultExport.h"

#include "CsvExport.h"
#include "FileFailure.h"
#include "HtmlExport.h"
#include "PdfExport.h"
#include "RuntimeError.h"
#include "SystemFileQt.h"

#include <QFileInfo>

namespace results {

namespace {

[[noreturn]] void fail(int number, const QString& text) {
    throw RuntimeError(number, text.toStdString());
}

// The system's reason in Swedish; a missing folder is named as such rather than as a missing file.
QString writeFailureReason(const QString& path, int errnoValue) {
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) return QStringLiteral("Mappen finns inte");
    return base::fileFailureReason(errnoValue);
}

} // namespace

const RowSection* sectionOf(const ResultExport& list, std::size_t r) {
    return r < list.sections.size() ? &list.sections[r] : nullptr;
}

bool isSectionHeading(const ResultExport& list, std::size_t r) {
    const RowSection* section = sectionOf(list, r);
    return section && section->heading;
}

QString madeLine(const ResultExport& list) {
    const QString clock = timing::clockText(list.written).left(5);
    return list.final ? QStringLiteral("Resultat kl %1").arg(clock)
                      : QStringLiteral("Preliminära resultat kl %1").arg(clock);
}

const std::array<ExportFormatInfo, 3>& exportFormats() {
    static const std::array<ExportFormatInfo, 3> formats{{
        {ExportFormat::Html, "html", "webbsida"},
        {ExportFormat::Csv, "csv", "kalkylblad"},
        {ExportFormat::Pdf, "pdf", "PDF"},
    }};
    return formats;
}

namespace {

// "a, b eller c"
QString listed(const QStringList& items) {
    if (items.size() < 2) return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" eller ") +
           items.last();
}

} // namespace

QString exportDialogFilter() {
    QStringList parts;
    for (const ExportFormatInfo& f : exportFormats()) {
        QString kind = QString::fromUtf8(f.kind);
        kind[0] = kind[0].toUpper();
        const QString pattern = QStringLiteral("*.") + QString::fromLatin1(f.extension);
        parts << kind + QLatin1Char(' ') + pattern << pattern;
    }
    return parts.join(QLatin1Char('|'));
}

QString exportFormatsText() {
    QStringList items;
    for (const ExportFormatInfo& f : exportFormats())
        items << QStringLiteral("%1 (.%2)").arg(QString::fromUtf8(f.kind), QString::fromLatin1(f.extension));
    return listed(items);
}

QString exportExtensionsText() {
    QStringList items;
    for (const ExportFormatInfo& f : exportFormats())
        items << QLatin1Char('.') + QString::fromLatin1(f.extension);
    return listed(items);
}

std::optional<ExportFormat> exportFormatOf(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const ExportFormatInfo& f : exportFormats())
        if (extension == QLatin1String(f.extension)) return f.format;
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
             QStringLiteral("Okänd filtyp: %1 (välj %2)").arg(path, exportExtensionsText()));
    const QByteArray bytes = exportBytes(*format, list);
    // Only a regular file is replaced: a device, FIFO or folder of that name, or a link to one, stays.
    if (race_data::sysfile::kindAt(path) == race_data::sysfile::Kind::Other)
        fail(runtime_error_numbers::PathFileAccess,
             QStringLiteral("Kan inte skriva %1: Ingen vanlig fil").arg(path));
    // Written beside the old file and renamed over it, so that a failure never leaves half a page.
    if (const int error = race_data::sysfile::replaceWhole(path, bytes))
        fail(base::runtimeErrorNumberOf(error),
             QStringLiteral("Kan inte skriva %1: %2").arg(path, writeFailureReason(path, error)));
}

} // namespace results
