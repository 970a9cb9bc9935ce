#pragma once
// The result list leaving the desk as a file: a web page for the club, a spreadsheet, or the printed
// page as a PDF. Each writer takes what the result window shows, hand edits and heading included.
#include "RaceTime.h"
#include "ResultList.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace results {

struct ResultExport {
    QString clubName;              // the club's name as the officer typed it; may be empty
    QString heading;               // the typed heading, else the race's name and date; never a placeholder
    bool final = false;            // marked final by the officer; preliminary until then
    std::vector<ResultatRad> rows; // the rows of lvw in window order: title row, empty row, boat rows
    timing::DateTime written = 0;  // the desk's clock at the export, shown on the web page
    QImage picture;                // the window's picture, printed top left as on paper; may be null

    // The section of each row in a race of several start groups; empty in a race of one.
    std::vector<RowSection> sections;
};

// The boat rows: every row after the title row and the empty row.
constexpr std::size_t FirstBoatRow = 2;

// The section row r stands in; none in a race of one group.
const RowSection* sectionOf(const ResultExport& list, std::size_t r);
bool isSectionHeading(const ResultExport& list, std::size_t r);

// When the list was made and whether it is final: "Preliminära resultat kl 14:32" until the officer
// marks it final, then "Resultat kl 14:32". The web page, the PDF and print carry it; the CSV does not.
QString madeLine(const ResultExport& list);

enum class ExportFormat { Html, Csv, Pdf };

// The formats a result list can be exported to, in the order the export dialog offers them.
struct ExportFormatInfo {
    ExportFormat format;
    const char* extension; // "html"
    const char* kind;      // "webbsida", as the help text and the dialog name it
};
const std::array<ExportFormatInfo, 3>& exportFormats();
// "Webbsida *.html|*.html|Kalkylblad *.csv|*.csv|PDF *.pdf|*.pdf" for the export dialog.
QString exportDialogFilter();
// "webbsida (.html), kalkylblad (.csv) eller PDF (.pdf)"
QString exportFormatsText();
// ".html, .csv eller .pdf"
QString exportExtensionsText();

// From the file name's extension, any case: .html, .csv, .pdf. No value for any other.
std::optional<ExportFormat> exportFormatOf(const QString& path);

QByteArray exportBytes(ExportFormat format, const ResultExport& list);

// Writes the list in the format of the path's extension, whole or not at all (an old file stays as it
// was when writing fails). Throws RuntimeError with a Swedish text: BadFileName for an unknown
// extension, PathFileAccess when the file cannot be written, DeviceIO when writing fails, the printer
// error of the print job when the PDF cannot be drawn. The PDF needs a QGuiApplication for its fonts.
void exportResultList(const QString& path, const ResultExport& list);

} // namespace results
