#include "CsvExport.h"

#include "CsvText.h"
#include "ResultColumns.h"

#include <QStringList>

namespace results {

namespace {

constexpr QChar Separator = u';';

QString csvLine(const QStringList& cells) {
    return race_data::csv::line(cells, Separator) + QStringLiteral("\r\n");
}

} // namespace

// With several start groups the list stays one table: a first column names each row's section.
QByteArray csvExport(const ResultExport& list) {
    const bool sectioned = !list.sections.empty();
    QStringList header = exportHeader();
    if (sectioned) header.prepend(QStringLiteral("Start"));
    QString text = QChar(QChar::ByteOrderMark) + csvLine(header);
    for (std::size_t r = FirstBoatRow; r < list.rows.size(); ++r) {
        if (isSectionHeading(list, r)) continue;
        QStringList cells = exportCells(list.rows[r]);
        if (const RowSection* section = sectionOf(list, r)) cells.prepend(section->name);
        text += csvLine(cells);
    }
    return text.toUtf8();
}

} // namespace results
