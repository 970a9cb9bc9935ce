#include "HtmlExport.h"

#include "PrintResultList.h"

namespace results {

namespace {

// Small, and plain enough to print: no colours on paper, the header repeated on every page.
const char* const StyleSheet =
    R"(body { font-family: Arial, Helvetica, sans-serif; margin: 1.5em; color: #000; }
h1 { font-size: 1.6em; font-style: italic; white-space: pre-wrap; margin: 0 0 0.3em; }
h2 { font-size: 1.25em; margin: 0 0 0.3em; }
p.tavling { font-weight: bold; margin: 0 0 1em; }
table { border-collapse: collapse; }
th, td { padding: 0.25em 0.8em; text-align: center; white-space: nowrap; border-bottom: 1px solid #bbb; }
th { border-bottom: 2px solid #000; }
th:first-child, td:first-child { text-align: left; }
tbody tr:nth-child(even) { background: #eef3f8; }
p.skriven { font-size: 0.8em; color: #555; margin-top: 1.5em; }
@media print {
  body { margin: 0; }
  tbody tr:nth-child(even) { background: none; }
  thead { display: table-header-group; }
  tr { page-break-inside: avoid; }
}
)";

QString esc(const QString& text) {
    return text.toHtmlEscaped();
}

// The title row as one line: "Tävling 2006-05-20  mellan maj-20 och maj-21".
QString raceDateText(const ResultatRad& title) {
    QString text = title[0].trimmed();
    const auto add = [&text](const QString& joint, const QString& cell) {
        if (cell.trimmed().isEmpty()) return;
        if (!text.isEmpty()) text += joint;
        text += cell.trimmed();
    };
    add(QStringLiteral(" "), title[1]);
    add(title[1].trimmed().isEmpty() ? QStringLiteral(" ") : QStringLiteral(" och "), title[2]);
    for (std::size_t c = 3; c < title.size(); ++c)
        add(QStringLiteral(" "), title[c]);
    return text;
}

QString tableRow(const QStringList& cells, const char* cellTag) {
    const QString open = QStringLiteral("<%1>").arg(QLatin1StringView(cellTag));
    const QString close = QStringLiteral("</%1>").arg(QLatin1StringView(cellTag));
    QString row = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        row += open + esc(cell) + close;
    return row + QStringLiteral("</tr>\n");
}

QString head(const ResultExport& list) {
    const QString title = list.heading.trimmed().isEmpty() ? QStringLiteral("ResultatLista") : list.heading;
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"sv\">\n<head>\n<meta charset=\"utf-8\" />\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />\n"
                          "<title>%1</title>\n<style>\n%2</style>\n</head>\n")
        .arg(esc(title), QString::fromUtf8(StyleSheet));
}

QString writtenText(timing::DateTime written) {
    const QString date = timing::dateText(written);
    const QString clock = timing::clockText(written);
    return QStringLiteral("<p class=\"skriven\">Exporterad <time datetime=\"%1T%2\">%1 %2</time></p>\n")
        .arg(date, clock);
}

} // namespace

QByteArray htmlExport(const ResultExport& list) {
    QString page = head(list) + QStringLiteral("<body>\n");
    // An empty heading element is left out rather than written empty.
    if (!list.clubName.trimmed().isEmpty()) page += QStringLiteral("<h1>%1</h1>\n").arg(esc(list.clubName));
    if (!list.heading.trimmed().isEmpty()) page += QStringLiteral("<h2>%1</h2>\n").arg(esc(list.heading));
    if (!list.rows.empty())
        page += QStringLiteral("<p class=\"tavling\">%1</p>\n").arg(esc(raceDateText(list.rows.front())));
    page +=
        QStringLiteral("<table>\n<thead>\n") + tableRow(exportHeader(), "th") + QStringLiteral("</thead>\n");
    // Without boats the body is left out: an empty one is valid, yet checkers warn about it.
    if (list.rows.size() > FirstBoatRow) {
        page += QStringLiteral("<tbody>\n");
        for (std::size_t r = FirstBoatRow; r < list.rows.size(); ++r)
            page += tableRow(exportCells(list.rows[r]), "td");
        page += QStringLiteral("</tbody>\n");
    }
    page += QStringLiteral("</table>\n") + writtenText(list.written) + QStringLiteral("</body>\n</html>\n");
    return page.toUtf8();
}

} // namespace results
