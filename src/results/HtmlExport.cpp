#include "HtmlExport.h"

#include "ResultColumns.h"

#include <QStringList>

namespace results {

namespace {

using namespace Qt::StringLiterals;

// Narrow screens first: the columns of class "bred" join from 40em on and on paper.
const char* const StyleSheet = R"(:root {
  color-scheme: light dark;
  --text: #14181d; --page: #ffffff; --muted: #56606b; --rule: #c9d0d8; --stripe: #eef2f6; --club: #0d4a7a;
}
@media (prefers-color-scheme: dark) {
  :root { --text: #e8ebef; --page: #15191e; --muted: #a3adb8; --rule: #3b434d; --stripe: #1e242b; --club: #8ec3f0; }
}
body {
  margin: 0 auto; padding: 1rem 0.75rem; max-width: 60rem; color: var(--text); background: var(--page);
  font: 1rem/1.35 system-ui, -apple-system, "Segoe UI", Roboto, Arial, sans-serif;
}
.klubb { margin: 0; font-weight: bold; color: var(--club); }
h1 { margin: 0.15rem 0; font-size: 1.35rem; }
.gjord { margin: 0 0 1rem; color: var(--muted); }
.klubb, h1, .namn { overflow-wrap: anywhere; }
table { width: 100%; border-collapse: collapse; font-variant-numeric: tabular-nums; }
th, td { padding: 0.4rem 0.3rem; text-align: right; vertical-align: top; border-bottom: 1px solid var(--rule); }
th { font-size: 0.85rem; vertical-align: bottom; border-bottom: 2px solid var(--text); }
td { white-space: nowrap; }
.plac { text-align: left; }
.bat { width: 100%; text-align: left; white-space: normal; }
.segel { display: block; font-size: 0.85rem; font-weight: normal; color: var(--muted); }
tbody tr:nth-child(even) { background: var(--stripe); }
.bred { display: none; }
@media (min-width: 40em) {
  .bred { display: table-cell; }
  th, td { padding: 0.4rem 0.6rem; }
}
@media print, (min-width: 60em) {
  th { white-space: nowrap; }
}
@page { size: A4; margin: 15mm; }
@media print {
  :root { --text: #000000; --page: #ffffff; --muted: #333333; --rule: #999999; --stripe: transparent; --club: #000000; }
  body { max-width: none; padding: 0; font-size: 10pt; }
  .bred { display: table-cell; }
  thead { display: table-header-group; }
  tr { break-inside: avoid; }
}
)";

// An exported row has the sail id at 1, after the name: the window's column c stands at c + 1.
constexpr int SailIdCell = 1;
constexpr qsizetype RowSizeGuess = 400; // characters of one boat's row
const QString& cellOf(const QStringList& exported, int column) {
    return exported[column + 1];
}

// Escapes as it appends: a thousand-boat list is written without a string per cell.
void appendEscaped(QString& page, QStringView text) {
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'<':
            page += "&lt;"_L1;
            break;
        case u'>':
            page += "&gt;"_L1;
            break;
        case u'&':
            page += "&amp;"_L1;
            break;
        case u'"':
            page += "&quot;"_L1;
            break;
        default:
            page += c;
        }
    }
}

QString esc(const QString& text) {
    QString escaped;
    appendEscaped(escaped, text);
    return escaped;
}

void appendOpen(QString& page, QLatin1StringView tag, QLatin1StringView cssClass) {
    page += u'<';
    page += tag;
    if (!cssClass.isEmpty()) {
        page += " class=\""_L1;
        page += cssClass;
        page += u'"';
    }
    page += u'>';
}

void appendClose(QString& page, QLatin1StringView tag) {
    page += "</"_L1;
    page += tag;
    page += u'>';
}

void appendCell(QString& page, QLatin1StringView tag, QLatin1StringView cssClass, QStringView text) {
    appendOpen(page, tag, cssClass);
    appendEscaped(page, text);
    appendClose(page, tag);
}

// Place first, as a result list is read; the boat's name over its sail id; the columns that a phone has
// no room for are of class "bred".
void appendRow(QString& page, const QStringList& exported, QLatin1StringView tag) {
    page += "<tr>"_L1;
    appendCell(page, tag, "plac"_L1, cellOf(exported, PlaceCell));
    appendOpen(page, tag, "bat"_L1);
    appendCell(page, "span"_L1, "namn"_L1, exported[0]);
    appendCell(page, "span"_L1, "segel"_L1, exported[SailIdCell]);
    appendClose(page, tag);
    for (int c = 1; c < static_cast<int>(ColumnCount); ++c) {
        if (c == PlaceCell) continue;
        const bool onPhones = c == CorrectedCell || c == PointsCell;
        appendCell(page, tag, onPhones ? QLatin1StringView() : "bred"_L1, cellOf(exported, c));
    }
    page += "</tr>\n"_L1;
}

QString head(const ResultExport& list) {
    const QString title = !list.heading.trimmed().isEmpty()    ? list.heading
                          : !list.clubName.trimmed().isEmpty() ? list.clubName
                                                               : QStringLiteral("Resultat");
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"sv\">\n<head>\n<meta charset=\"utf-8\" />\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />\n"
                          "<meta name=\"color-scheme\" content=\"light dark\" />\n"
                          "<title>%1</title>\n<style>\n%2</style>\n</head>\n")
        .arg(esc(title), QString::fromUtf8(StyleSheet));
}

// Club name, heading and when the list was made; an empty text is left out rather than written empty.
QString headingBlock(const ResultExport& list) {
    QString block = QStringLiteral("<header>\n");
    if (!list.clubName.trimmed().isEmpty())
        block += QStringLiteral("<p class=\"klubb\">%1</p>\n").arg(esc(list.clubName));
    if (!list.heading.trimmed().isEmpty()) block += QStringLiteral("<h1>%1</h1>\n").arg(esc(list.heading));
    const QString stamp = timing::dateText(list.written) + u'T' + timing::clockText(list.written);
    block += QStringLiteral("<p class=\"gjord\"><time datetime=\"%1\">%2</time></p>\n</header>\n")
                 .arg(stamp, esc(madeLine(list)));
    return block;
}

// The column headings and the boat rows from first up to, not including, end.
void appendTable(QString& page, const ResultExport& list, std::size_t first, std::size_t end) {
    page += "<table>\n<thead>\n"_L1;
    appendRow(page, exportHeader(), "th"_L1);
    page += "</thead>\n"_L1;
    // Without boats the body is left out: an empty one is valid, yet checkers warn about it.
    if (end > first) {
        page += "<tbody>\n"_L1;
        for (std::size_t r = first; r < end; ++r)
            appendRow(page, exportCells(list.rows[r]), "td"_L1);
        page += "</tbody>\n"_L1;
    }
    page += "</table>\n"_L1;
}

// Each section under its own heading, with a table of its own; a sectioned list opens with a heading.
void appendSections(QString& page, const ResultExport& list) {
    std::size_t r = FirstBoatRow;
    while (r < list.rows.size()) {
        const std::size_t heading = r++;
        while (r < list.rows.size() && !isSectionHeading(list, r))
            ++r;
        page += "<h2>"_L1;
        appendEscaped(page, list.rows[heading][0]);
        page += "</h2>\n"_L1;
        appendTable(page, list, heading + 1, r);
    }
}

} // namespace

QByteArray htmlExport(const ResultExport& list) {
    QString page = head(list) + QStringLiteral("<body>\n") + headingBlock(list);
    page.reserve(page.size() + RowSizeGuess * static_cast<qsizetype>(list.rows.size()));
    if (list.sections.empty())
        appendTable(page, list, FirstBoatRow, list.rows.size());
    else
        appendSections(page, list);
    page += QStringLiteral("</body>\n</html>\n");
    return page.toUtf8();
}

} // namespace results
